#pragma once

#include "checkboxrow.h"
#include "page.h"

class QFrame;

namespace velmora {

// Programs and removes detectors and sirens and sets their masks. Every choice is a tick; the ticks stay
// from one visit to the next.
class TForm4 final : public ComposingPage {
    Q_OBJECT

public:
    TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent = nullptr);

protected:
    void buildControls() override;
    void FormActivate() override;

private:
    // The button of a group and what it composes from the group's ticks.
    struct TickOperation {
        const char* button;
        QString hint;
        Outcome (*compose)(std::string_view iku, const Ticks& ticks);
        Presentation presentation;
    };

    CheckBoxRow* makeRow(char slot, int firstBox, const QStringList& labelNames, CheckBoxRow::Choice choice);
    QFrame* makeTickGroup(const char* bevel, const QList<QWidget*>& captions, CheckBoxRow* row,
                          const TickOperation& operation);

    // Every tick and untick on the page, by the user or by a one-of-N row.
    void CheckBoxClick();
};

} // namespace velmora
