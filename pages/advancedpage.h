#pragma once

#include "page.h"

#include <string>
#include <vector>

class QLineEdit;

namespace velmora {

class CommandHandoff;
class ErrorBox;
class UnitsHandoff;

// The hub of the configuration pages. The IKU code typed here is read by every configuration page at the
// moment it composes; each entry opens its page only while the code is whole.
class TForm12 final : public Page {
    Q_OBJECT

public:
    // The configuration pages, in the order of the entries on the page.
    struct Targets {
        Page* smsCentre;
        Page* userNumbers;
        Page* remoteControls;
        Page* detectors;
        Page* detectorNames;
        Page* userNames;
        Page* testMessages;
        Page* parameters;
    };

    // With `handoff`, the page offers the plan of commands sent one after another; with `units`, the installer's
    // units, whose chosen one's code comes into the IKU field.
    TForm12(ErrorBox& errors, const Targets& targets, CommandHandoff* handoff = nullptr, UnitsHandoff* units = nullptr,
            QWidget* parent = nullptr);

    // The IKU field's text as it stands now.
    std::string ikuCode() const;

protected:
    void buildControls() override;

private:
    struct Entry {
        const char* button;
        QStringList lines;
        Page* page;
        QString refusal;
    };

    QWidget* makeEntry(const Entry& entry);
    void SpeedButtonClick(const Entry& entry);

    ErrorBox& errors_;
    Targets targets_;
    CommandHandoff* handoff_;
    UnitsHandoff* units_;
    QLineEdit* Edit1 = nullptr;
};

} // namespace velmora
