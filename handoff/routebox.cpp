#include "routebox.h"

#include "route.h"

namespace velmora {

RouteBox::RouteBox(const char* name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(QLatin1String(name));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void RouteBox::refresh(const RouteFinder& finder)
{
    const QPointer<Route> picked = chosen();
    routes_.clear();
    clear();
    for (Route* route : finder.routes()) {
        routes_ << route;
        addItem(route->label());
    }
    const qsizetype kept = routes_.indexOf(picked);
    setCurrentIndex(kept >= 0 ? static_cast<int>(kept) : (routes_.isEmpty() ? -1 : 0));
    setEnabled(!routes_.isEmpty());
}

Route* RouteBox::chosen() const
{
    const int index = currentIndex();
    return index >= 0 && index < routes_.size() ? routes_[index].data() : nullptr;
}

} // namespace velmora
