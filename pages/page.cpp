#include "page.h"

#include "controls.h"
#include "keyboard.h"
#include "screenfit.h"

#include <QBackingStore>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {

Page::Page(const char* className, const QString& caption, QWidget* parent, QSize size) : QDialog(parent), size_(size)
{
    setObjectName(QLatin1String(className));
    setWindowTitle(caption);
    setModal(true);
    applyPageLook(this, QColor(0, 0, 128));
}

void Page::ensureBuilt()
{
    if (built_) {
        return;
    }
    built_ = true;
    buildControls();
    controls_ = setUpKeyboard(this);
    emit built();
}

bool Page::prepareStep()
{
    switch (preparation_) {
    case Preparation::None:
        makeReady();
        break;
    case Preparation::Made:
        paintAhead();
        preparation_ = Preparation::Done;
        break;
    case Preparation::Done:
        break;
    }
    return preparation_ == Preparation::Done;
}

void Page::prepare()
{
    while (!prepareStep()) {
    }
}

// What a first showing needs before its first frame: the controls, polished and laid out at the page's size for
// the screen, and the window.
void Page::makeReady()
{
    if (preparation_ != Preparation::None) {
        return;
    }
    preparation_ = Preparation::Made;
    ensureBuilt();
    ensurePolished();
    // Made first, the window may already know its frame.
    create();
    fitToScreen(this, size_);
    if (layout() != nullptr) {
        layout()->activate();
    }
}

// A first frame otherwise pays for the window's pixel buffer: its allocation, shared with the X server, the
// faulting in of its pages as it is first painted (about 700 for the largest page), and the first drawing of the
// page's glyphs. The first frame still paints the page afresh.
void Page::paintAhead()
{
    QBackingStore* store = backingStore();
    const QRegion whole(rect());
    store->resize(size());
    store->beginPaint(whole);
    render(store->paintDevice());
    store->endPaint();
}

void Page::showModally()
{
    ensureBuilt();
    FormActivate();
    focusFirstInput();
    exec();
}

void Page::setVisible(bool visible)
{
    if (visible) {
        makeReady();
        // From here on the page paints its own frames.
        preparation_ = Preparation::Done;
    }
    QDialog::setVisible(visible);
}

void Page::layOut(QLayout* body, std::initializer_list<QWidget*> footer)
{
    auto* bottom = new QVBoxLayout;
    for (QWidget* widget : footer) {
        bottom->addWidget(widget);
    }
    layOutScrolling(this, body, bottom);
}

// Focus starts on the first control that takes input, never on a read-only result field.
void Page::focusFirstInput()
{
    for (QWidget* control : controls_) {
        const auto* field = qobject_cast<QLineEdit*>(control);
        if (control->isEnabled() && (field == nullptr || !field->isReadOnly())) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

ComposingPage::ComposingPage(const char* className, const QString& caption, const DisplayBand::Names& band,
                             IkuSource iku, ErrorBox& errors, QWidget* parent, QSize size)
    : Page(className, caption, parent, size), bandNames_(band), iku_(std::move(iku)), errors_(errors)
{}

DisplayBand* ComposingPage::band()
{
    if (band_ == nullptr) {
        band_ = new DisplayBand(bandNames_, this);
        operations_.emplace(*band_, errors_);
    }
    return band_;
}

QPushButton* ComposingPage::operation(Operation operation)
{
    band();
    return operations_->add(this, std::move(operation));
}

} // namespace velmora
