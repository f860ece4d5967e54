#include "remotecontrolspage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm8::TForm8(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm8", QStringLiteral("DEFINIOWANIE PILOTÓW I KLAWIATUR DO SYSTEMU"), parent), iku_(std::move(iku)),
      errors_(errors), band_(new DisplayBand({"Label47", "Label48", "Edit1"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label50"}));
}

} // namespace velmora
