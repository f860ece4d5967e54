#include "testmessagespage.h"

#include "backbutton.h"
#include "displayband.h"

#include <QVBoxLayout>

namespace velmora {

Tform11::Tform11(IkuSource iku, ErrorBox& errors, QWidget* parent)
    : Page("Tform11", QStringLiteral("DEFINIOWANIE WYSYLANIA SMS I CLIP TESTOWEGO"), parent), iku_(std::move(iku)),
      errors_(errors), band_(new DisplayBand({"Label7", "Label8", "Edit6"}, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addWidget(new BackButton(this, {"SpeedButton1", "Label12"}));
}

} // namespace velmora
