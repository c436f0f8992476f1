#include "expectations.h"

#include "settings.h"

#include <algorithm>
#include <cmath>

Expectations::Expectations(const FreeSpace &space, int electrons, double stepLength,
                           int selectedStrip)
    : space(space), electrons(electrons), stepLength(stepLength), selectedStrip(selectedStrip)
{
}

LatticeGeometry Expectations::geometryOf(const GasSettings &settings)
{
    LatticeGeometry geometry;
    geometry.width = GasModel::fieldSize;
    geometry.height = GasModel::fieldSize;
    // The field view sizes its model while the spacing is still the model's first, 25: no
    // remainder, so the first node lies one spacing in.
    geometry.originX = 25;
    geometry.originY = 25;
    geometry.side = settings.side();
    geometry.atomR = settings.atomRadius();
    geometry.electronR = settings.electronRadius();
    geometry.strips = settings.strips();
    return geometry;
}

Expectations Expectations::of(const GasSettings &settings, const FreeSpace &space)
{
    return Expectations(space, settings.electrons(), GasModel::tickMs * settings.speed() / 1000.0,
                        std::min(settings.selectedStrip(), settings.strips()) - 1);
}

Expectations Expectations::of(const GasSettings &settings)
{
    return of(settings, computeFreeSpace(geometryOf(settings)));
}

double Expectations::probability() const
{
    return share(selectedStrip);
}

double Expectations::pressure() const
{
    return expectedWallPressure(space, electrons, stepLength);
}

double Expectations::share(int strip) const
{
    return space.stripShares.value(strip, std::nan(""));
}

double Expectations::meanFreePath() const
{
    if (!(space.area > 0.0 && space.boundaryLength > 0.0))
        return std::nan("");
    return M_PI * space.area / space.boundaryLength;
}

const EntropySpread &Expectations::entropy() const
{
    if (!entropySpread)
        entropySpread = equilibriumEntropy(space.stripShares, electrons);
    return *entropySpread;
}
