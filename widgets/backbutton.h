#pragma once

#include <QWidget>

class QToolButton;

namespace velmora {

// The picture button with the blue back-arrow glyph and its caption beside it; a click closes the page.
class BackButton final : public QWidget {
    Q_OBJECT

public:
    struct Names {
        const char* button;
        const char* label;
    };

    BackButton(QWidget* page, const Names& names, const QString& caption = QStringLiteral("Wstecz"),
               int buttonSize = 40);

    QToolButton* button() const { return button_; }

private:
    QToolButton* button_;
};

} // namespace velmora
