#include "backbutton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmapCache>
#include <QToolButton>

namespace velmora {
namespace {

// Every page has a back button: the glyph is decoded by the first and shared from Qt's pixmap cache.
QIcon backGlyph()
{
    const QString path = QStringLiteral(":/glyphs/back.bmp");
    QPixmap glyph;
    if (!QPixmapCache::find(path, &glyph) && glyph.load(path, "BMP")) {
        QPixmapCache::insert(path, glyph);
    }
    return QIcon(glyph);
}

} // namespace

BackButton::BackButton(QWidget* page, const Names& names, const QString& caption, int buttonSize)
    : QWidget(page), button_(new QToolButton(this))
{
    button_->setObjectName(QLatin1String(names.button));
    button_->setIcon(backGlyph());
    button_->setIconSize(QSize(32, 32));
    button_->setFixedSize(buttonSize, buttonSize);
    button_->setAutoRaise(true);
    auto* label = new QLabel(caption, this);
    if (names.label != nullptr) {
        label->setObjectName(QLatin1String(names.label));
    }
    // The glyph alone says nothing to a screen reader: the caption names the button.
    label->setBuddy(button_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button_);
    layout->addWidget(label);
    layout->addStretch();

    connect(button_, &QToolButton::clicked, page, &QWidget::close);
}

} // namespace velmora
