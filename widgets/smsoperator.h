#pragma once

#include <QStringList>

class QLineEdit;

namespace velmora {

// The operator choice of the pages that set the SMS centre: the operators' names, and what choosing one does to
// the SMS centre number field (a preset number, read-only; or, for "INNY", an empty field to type in).
QStringList smsOperatorNames();
void applySmsOperator(QLineEdit* number, int index);

} // namespace velmora
