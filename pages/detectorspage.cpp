#include "detectorspage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm4::TForm4(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm4", QStringLiteral("WPROGRAMOWYWANIE CZUJEK I SYREN  DO SYSTEMU"), parent), iku_(std::move(iku)),
      errors_(errors), band_(new DisplayBand({"Label24", "Label23", "Edit1"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton2", "Label59"}));
}

} // namespace velmora
