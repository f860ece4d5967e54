#include "firststartpage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm13::TForm13(ErrorBox& errors, QWidget* parent)
    : Page("TForm13", QStringLiteral("NIEZBĘDNE KROKI PPRZY PIERWSZYM URUCHOMIENIU SYSTEMU"), parent), errors_(errors),
      band_(new DisplayBand({"Label15", "Label21", "Edit2"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", nullptr}, QStringLiteral("WSTECZ")));
}

} // namespace velmora
