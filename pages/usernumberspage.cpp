#include "usernumberspage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm3::TForm3(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm3",
           QStringLiteral(
               "WPROGRAMOWYWANIE USUWANIE NUMERÓW TELEFONÓW UŻYTKOWNIKÓW SYSTEMU DEFINIOWANIE MASKI SMS I RING"),
           parent),
      iku_(std::move(iku)), errors_(errors), band_(new DisplayBand({"Label14", "Label27", "Edit6"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label13"}));
}

} // namespace velmora
