#include "smsoperator.h"

#include "smscentre.h"
#include "text.h"

#include <QLineEdit>

namespace velmora {

QStringList smsOperatorNames()
{
    QStringList names;
    for (const SmsOperator& smsOperator : kSmsOperators) {
        names << toQString(smsOperator.name);
    }
    return names;
}

void applySmsOperator(QLineEdit* number, int index)
{
    const auto choice = static_cast<std::size_t>(index);
    number->setEnabled(choice == kOtherOperator);
    number->setText(toQString(kSmsOperators[choice].centreNumber));
}

} // namespace velmora
