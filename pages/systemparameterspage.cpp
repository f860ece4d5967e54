#include "systemparameterspage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm6::TForm6(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm6", QStringLiteral("POZOSTAŁE PAMETRY SYSTEMU"), parent), iku_(std::move(iku)), errors_(errors),
      band_(new DisplayBand({"Label12", "Label14", "Edit7"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label13"}));
}

} // namespace velmora
