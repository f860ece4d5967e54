#include "backbutton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

namespace velmora {

BackButton::BackButton(QWidget* page, const Names& names, const QString& caption, int buttonSize)
    : QWidget(page), button_(new QToolButton(this))
{
    button_->setObjectName(QLatin1String(names.button));
    button_->setIcon(QIcon(QStringLiteral(":/glyphs/back.bmp")));
    button_->setIconSize(QSize(32, 32));
    button_->setFixedSize(buttonSize, buttonSize);
    button_->setAutoRaise(true);
    auto* label = new QLabel(caption, this);
    if (names.label != nullptr) {
        label->setObjectName(QLatin1String(names.label));
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button_);
    layout->addWidget(label);
    layout->addStretch();

    connect(button_, &QToolButton::clicked, page, &QWidget::close);
}

} // namespace velmora
