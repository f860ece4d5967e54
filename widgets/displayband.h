#pragma once

#include "message.h"

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace velmora {

class CommandHandoff;
class ErrorBox;

// How a press of a "Treść SMS" button shows its outcome in the band: the refusals in error boxes, in order, then
// the command, if one was composed. Every press ends with the result field enabled; the ways differ in what they
// empty first, and in whether an error box already finds the result field enabled.
enum class Presentation {
    // Enable the result field, empty the band, then report and show: the usual press.
    Fresh,
    // Enable the result field, then report and show over what the band holds: a refusal leaves it as it was.
    OverBand,
    // Empty the band, report and show, and only then enable the result field.
    FreshEnablingLast,
    // A refusal empties the title and the prompt but keeps the result; report and show, then enable the field.
    KeepingResultEnablingLast,
};

// The operation title, the send prompt and the result field that every composing page shows under its
// inputs. The result field is read-only but selectable, as wide as the page, and shows a command from its
// first character, the whole of it in its tool tip. Under it, the ways to the unit: a button that copies the
// command, one that shows it as a QR code for a phone, one that sends it from the computer, one that adds it to
// the plan of commands sent one after another; and under them the command's SMS length.
class DisplayBand final : public QWidget {
    Q_OBJECT

public:
    struct Names {
        const char* title;
        const char* prompt;
        const char* result;
    };

    explicit DisplayBand(const Names& names, QWidget* parent = nullptr);
    ~DisplayBand() override;

    QLabel* title() const { return title_; }
    QLabel* prompt() const { return prompt_; }
    QLineEdit* result() const { return result_; }

    // Empties all three elements; whether the result field is enabled does not change.
    void clear();
    void clearTitle();
    void clearPrompt();
    void clearResult();

    void setResultEnabled(bool enabled);

    // Where the command goes from the QR code and send buttons; start-up gives every band the same one.
    void setHandoff(CommandHandoff* handoff);

    // Puts the command into the result field, then sets the send prompt and the operation title.
    void showCommand(const Command& command);

    // Shows a press's outcome the way `presentation` says; the one place the pages' outcomes are shown.
    void present(const Outcome& outcome, ErrorBox& errors, Presentation presentation);

    // The usual press: present(outcome, errors, Presentation::Fresh).
    void presentFresh(const Outcome& outcome, ErrorBox& errors);

private:
    // A button's caption that says for a moment what the button did, then returns to its own.
    class Momentary;

    void onResultChanged(const QString& text);
    void copyCommand();
    void showQrCode();
    void sendCommand();
    void addToPlan();

    QLabel* title_;
    QLabel* prompt_;
    QLineEdit* result_;
    QPushButton* copy_;
    QPushButton* qr_;
    QPushButton* send_;
    QPushButton* addToPlan_;
    QLabel* length_;
    std::unique_ptr<Momentary> copied_;
    std::unique_ptr<Momentary> added_;
    CommandHandoff* handoff_ = nullptr;
};

} // namespace velmora
