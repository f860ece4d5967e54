#include "controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace velmora {

void setPixelSize(QWidget* widget, int pixels, bool bold)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

void setTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    if (name != nullptr) {
        label->setObjectName(QLatin1String(name));
    }
    return label;
}

QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pixelSize)
{
    QLabel* label = makeLabel(parent, name, text);
    setPixelSize(label, pixelSize, true);
    setTextColour(label, Qt::red);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    // Qt keeps 32,767 characters by default and cuts a longer paste without a word; some fields take text of
    // any length, and a command is never shown cut.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QPushButton* makeComposeButton(QWidget* parent, const char* name, const QString& hint, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QFrame* makeBevel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QFrame* makeLine(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QFrame* makeGroup(QWidget* parent, const char* bevelName, std::initializer_list<QWidget*> content)
{
    QFrame* group = makeBevel(parent, bevelName);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* widget : content) {
        layout->addWidget(widget, 0, Qt::AlignLeft);
    }
    return group;
}

} // namespace velmora
