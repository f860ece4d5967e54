#include "usernamespage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

TForm7::TForm7(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("TForm7", QStringLiteral("DEFINIOWANIE NAZW UŻYTKOWNIKÓW SYSTEMU"), parent), iku_(std::move(iku)),
      errors_(errors), band_(new DisplayBand({"Label21", "Label22", "Edit10"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label25"}));
}

} // namespace velmora
