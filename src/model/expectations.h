#ifndef VANDREL_EXPECTATIONS_H
#define VANDREL_EXPECTATIONS_H

#include "entropy.h"
#include "freespace.h"

#include <optional>

class GasSettings;

// What the measured quantities approach for electrons spread evenly over the free space, flying
// in evenly spread directions: worked out from the free space, the number of electrons, the
// length of a step and the selected strip alone. NaN where no centre fits.
class Expectations
{
public:
    Expectations(const FreeSpace &space, int electrons, double stepLength, int selectedStrip);
    // For the demonstration's 400 x 400 field with these settings, its lattice origin at
    // (25, 25) as the field view's is; with its free space worked out already, or not.
    static LatticeGeometry geometryOf(const GasSettings &settings);
    static Expectations of(const GasSettings &settings, const FreeSpace &space);
    static Expectations of(const GasSettings &settings);

    const FreeSpace &freeSpace() const { return space; }
    double probability() const;
    // The wall pressure per unit of T: 100 N s L / 8A.
    double pressure() const;
    // A strip's share, counted from 0.
    double share(int strip) const;
    // pi A / B: in a region that a free path crosses in straight lines the mean chord between two
    // contacts with its boundary, for uniform places and directions.
    double meanFreePath() const;
    // The entropy over the strips of independently placed electrons, worked out once when asked.
    const EntropySpread &entropy() const;
    // One worked out already for the same electrons and shares.
    void takeEntropy(const EntropySpread &spread) { entropySpread = spread; }

private:
    FreeSpace space;
    int electrons;
    double stepLength;
    int selectedStrip;
    mutable std::optional<EntropySpread> entropySpread;
};

#endif
