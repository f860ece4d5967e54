#include "operations.h"

#include "controls.h"

#include <QPushButton>

namespace velmora {

Operations::Operations(DisplayBand& band, ErrorBox& errors) : band_(band), errors_(errors) {}

QPushButton* Operations::add(QWidget* parent, Operation operation) const
{
    QPushButton* button = operation.caption.isEmpty()
                              ? makeComposeButton(parent, operation.button, operation.hint)
                              : makeButton(parent, operation.button, operation.caption, operation.hint);
    QObject::connect(button, &QPushButton::clicked, &band_,
                     [&band = band_, &errors = errors_, compose = std::move(operation.compose),
                      presentation = operation.presentation] { band.present(compose(), errors, presentation); });
    return button;
}

} // namespace velmora
