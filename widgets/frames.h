#pragma once

#include <QFrame>
#include <QList>
#include <QString>
#include <utility>

class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace velmora {

// The frames that group a page's controls. Widgets handed to a frame are moved into it by its layout.

// A bevel: a raised frame around a group, or a horizontal separating line.
QFrame* makeBevel(QWidget* parent, const char* name);
QFrame* makeLine(QWidget* parent, const char* name);

// A bevel laid out by a new layout of the kind `Layout`, which the caller fills.
template <typename Layout> std::pair<QFrame*, Layout*> makeFramed(QWidget* parent, const char* name)
{
    QFrame* frame = makeBevel(parent, name);
    return {frame, new Layout(frame)};
}

// A bevel holding the widgets one under another, each as wide as the bevel.
QFrame* makeStack(QWidget* parent, const char* name, const QList<QWidget*>& widgets);

// A framed group (a bevel named `bevelName`) holding the given widgets one under another, each at its size
// and aligned left. The first label is the group's caption: a screen reader names the group's check boxes, fields
// and buttons after it.
QFrame* makeGroup(QWidget* parent, const char* bevelName, const QList<QWidget*>& content);

// A bevel with its heading over a grid that the caller fills with the group's rows.
struct HeadedGroup {
    QFrame* frame;
    QGridLayout* rows;
    QString heading;

    // The button that composes from the rows stands at the end of `row`, named after the heading.
    void addButton(QPushButton* button, int row) const;
};

HeadedGroup makeHeadedGroup(QWidget* parent, const char* bevelName, QLabel* heading);

// The widgets one under another at the top of a column, the free room under them; no frame.
QVBoxLayout* makeColumn(const QList<QWidget*>& widgets);

} // namespace velmora
