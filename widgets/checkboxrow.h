#pragma once

#include "message.h"

#include <QStringList>
#include <QWidget>
#include <vector>

class QCheckBox;

namespace velmora {

// A row of numbered check boxes, box 1 first. Either the boxes stand side by side without captions, each
// with a small number label under it ("C1", "U10"), or they stand one under another with the texts as
// their captions. In one-of-N mode ticking a box unticks the others; clicking the ticked box leaves none.
class CheckBoxRow final : public QWidget {
    Q_OBJECT

public:
    enum class Choice { AnyNumber, OneOfN };
    enum class Look { NumbersUnder, CaptionsBeside };

    struct Boxes {
        QStringList names;      // objectNames of the check boxes
        QStringList texts;      // number labels or captions
        QStringList labelNames; // objectNames of the number labels (NumbersUnder only)
    };

    CheckBoxRow(const Boxes& boxes, Choice choice, Look look = Look::NumbersUnder, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(boxes_.size()); }
    QCheckBox* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    Ticks ticks() const;
    // Each box whose state changes reports it, as if clicked.
    void setAllTicked(bool ticked);

    // Names boxes without captions for screen readers after the row's group and their number label:
    // "Usuwanie pilotów z systemu, P3".
    void nameBoxesAfter(const QString& group);

    // "Name1" ... "NameN" from `first`, for the objectNames of a numbered run of controls.
    static QStringList numbered(const QString& stem, int first, int count);

    // The usual row: one captionless box per label name, "CheckBox<firstBox>" onwards, with the slot numbers
    // "<slot>1", "<slot>2" ... under them ("C1", "U10").
    static CheckBoxRow* numberedRow(const QString& slot, int firstBox, const QStringList& labelNames, Choice choice,
                                    QWidget* parent);

signals:
    // A box changed its state, by the user or by code. In one-of-N mode the other boxes are unticked only
    // after this has been reported, each reporting its own change.
    void boxToggled(int index, bool ticked);

private:
    void onToggled(int index, bool ticked);

    Choice choice_;
    QStringList numbers_; // the number labels' texts, for NumbersUnder
    std::vector<QCheckBox*> boxes_;
};

} // namespace velmora
