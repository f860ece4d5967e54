#include "detectornamespage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm5::TForm5(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm5", QStringLiteral("DEFINIOWANIE NAZW CZUJEK I NAGŁÓWKA KOMUNIKATU"), parent), iku_(std::move(iku)),
      errors_(errors), band_(new DisplayBand({"Label13", "Label14", "Edit12"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label15"}));
}

} // namespace velmora
