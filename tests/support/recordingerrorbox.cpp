#include "recordingerrorbox.h"

#include <QLineEdit>

namespace velmora::test {

void RecordingErrorBox::report(const QString& message)
{
    reports_.push_back({message, watched_ ? watched_->text() : QString()});
    if (whileShown_) {
        whileShown_();
    }
}

QStringList RecordingErrorBox::messages() const
{
    QStringList messages;
    for (const Report& report : reports_) {
        messages << report.message;
    }
    return messages;
}

} // namespace velmora::test
