#include "gasmodel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Each heading turns to its opposite, exactly, and leads: the angle is worked out from it. What
// was there before is kept, so that a second Reverse straight after gives it back to the bit.
void GasModel::reverseDirections()
{
    if (reversal && reversal->atStep == stepsSinceReset) {
        directions = reversal->directions;
        headings = reversal->headings;
        headingAngles = reversal->headingAngles;
        directionsBehind = false;
        reversal.reset();
        return;
    }
    electronDirections(); // the angles up to date before they are kept
    reversal = Reversal{stepsSinceReset, speed, directions, headings, headingAngles};
    for (int i = 0; i < count; ++i) {
        // Where the angle leads, the heading is worked out from it only at the next step.
        const double angle = directions[i];
        if (!std::isnan(headingAngles[i]) && std::memcmp(&headingAngles[i], &angle, sizeof angle))
            headFromAngle(i);
        headings[i] = -headings[i];
        headingAngles[i] = std::nan("");
    }
    directionsBehind = true;
    lastReturn.reset();
}

GasModel::ReturnReport GasModel::returnToStart() const
{
    ReturnReport report;
    report.electrons = count;
    std::vector<double> distances;
    for (int i = 0; i < count; ++i) {
        const QPointF away = positions[i] - startPositions[i];
        distances.push_back(std::hypot(away.x(), away.y()));
    }
    if (distances.empty())
        return report;
    report.returned = int(std::count_if(distances.begin(), distances.end(),
                                        [](double d) { return d <= returnTolerance; }));
    report.maxDistance = *std::max_element(distances.begin(), distances.end());
    const std::size_t middle = distances.size() / 2;
    std::nth_element(distances.begin(), distances.begin() + middle, distances.end());
    report.medianDistance = distances[middle];
    if (distances.size() % 2 == 0) {
        const double below = *std::max_element(distances.begin(), distances.begin() + middle);
        report.medianDistance = (report.medianDistance + below) / 2;
    }
    return report;
}

// Called after every step that is measured: the way back is as long as the way out.
void GasModel::noteStepForReturn()
{
    ++stepsSinceReset;
    if (reversal && reversal->atStep > 0 && stepsSinceReset == 2 * reversal->atStep &&
        reversal->speed == speed)
        lastReturn = returnToStart();
}
