#pragma once

#include <QAbstractButton>
#include <initializer_list>
#include <utility>

namespace velmora {

// Wires each button's press to what the receiver does for it: a window's buttons read as one table.
template <class Receiver>
void onPresses(Receiver* receiver, std::initializer_list<std::pair<QAbstractButton*, void (Receiver::*)()>> presses)
{
    for (const auto& [button, act] : presses) {
        QObject::connect(button, &QAbstractButton::clicked, receiver, act);
    }
}

} // namespace velmora
