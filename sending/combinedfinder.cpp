#include "combinedfinder.h"

#include <QStringList>
#include <algorithm>

namespace velmora {

CombinedFinder::CombinedFinder(QList<RouteFinder*> finders, QObject* parent)
    : RouteFinder(parent), finders_(std::move(finders))
{
    for (RouteFinder* finder : finders_) {
        connect(finder, &RouteFinder::routesChanged, this, &RouteFinder::routesChanged);
        connect(finder, &RouteFinder::received, this, &RouteFinder::received);
    }
}

void CombinedFinder::start()
{
    for (RouteFinder* finder : finders_) {
        finder->start();
    }
}

QList<Route*> CombinedFinder::routes() const
{
    QList<Route*> all;
    for (const RouteFinder* finder : finders_) {
        all << finder->routes();
    }
    return all;
}

QString CombinedFinder::absenceReason() const
{
    QStringList reasons;
    for (const RouteFinder* finder : finders_) {
        reasons << finder->absenceReason();
    }
    return reasons.join(QLatin1Char(' '));
}

bool CombinedFinder::isSearching() const
{
    return std::any_of(finders_.cbegin(), finders_.cend(),
                       [](const RouteFinder* finder) { return finder->isSearching(); });
}

void CombinedFinder::rescan()
{
    for (RouteFinder* finder : finders_) {
        finder->rescan();
    }
}

} // namespace velmora
