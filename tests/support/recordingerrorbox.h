#pragma once

#include "errorbox.h"

#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

namespace velmora::test {

// Answers every error box at once and remembers what it said, together with the watched field's text at
// the moment the box was shown: that tells a restore before the box from a restore after it.
class RecordingErrorBox final : public ErrorBox {
public:
    struct Report {
        QString message;
        QString fieldText;
    };

    void report(const QString& message) override;

    // The field whose text each report records.
    void watch(QLineEdit* field) { watched_ = field; }
    // Runs while the box is "open", e.g. to check the page's state at that moment.
    void whileShown(std::function<void()> action) { whileShown_ = std::move(action); }

    const std::vector<Report>& reports() const { return reports_; }
    QStringList messages() const;
    void clear() { reports_.clear(); }

private:
    std::vector<Report> reports_;
    QPointer<QLineEdit> watched_;
    std::function<void()> whileShown_;
};

} // namespace velmora::test
