#include "ikufield.h"

#include "controls.h"
#include "fieldguard.h"
#include "ikucode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {
namespace {

// The request, with the place where it breaks on two lines.
const QString kRequestFirstLine = QStringLiteral("Wpisz czterocyfrowy Kod IKU, który trzymałeś  w ");
const QString kRequestSecondLine = QStringLiteral("zaklejonej kopercie wraz z urządzeniem");

QLabel* makeText(QWidget* parent, const char* name, const QString& text, int pixels)
{
    QLabel* label = makeLabel(parent, name, text);
    if (pixels > 0) {
        setPixelSize(label, pixels);
    }
    return label;
}

QLabel* makeRequestLine(QWidget* parent, const char* name, const QString& text, int pixels)
{
    QLabel* line = makeText(parent, name, text, pixels);
    QFont underlined = line->font();
    underlined.setUnderline(true);
    line->setFont(underlined);
    setTextColour(line, kRed);
    return line;
}

} // namespace

IkuField::IkuField(const Names& names, Pixels pixels, Request request, ErrorBox& errors, QWidget* parent)
    : QWidget(parent), field_(makeEdit(this, names.field))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const QStringList lines = request == Request::TwoLines ? QStringList{kRequestFirstLine, kRequestSecondLine}
                                                           : QStringList{kRequestFirstLine + kRequestSecondLine};
    for (const QString& line : lines) {
        layout->addWidget(makeRequestLine(this, names.request, line, pixels.text));
    }

    setPixelSize(field_, pixels.field);
    // Four digits, and room for a fifth and the frame.
    field_->setFixedWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    QLabel* label = makeText(this, names.label, QStringLiteral("KOD IKU"), pixels.text);
    label->setBuddy(field_);
    auto* row = new QHBoxLayout;
    row->addWidget(field_);
    row->addWidget(label);
    row->addStretch();
    layout->addLayout(row);

    new FieldGuard(field_, ikuCodeRule(), errors);
}

} // namespace velmora
