#ifndef VANDREL_TESTS_MODELSETUP_H
#define VANDREL_TESTS_MODELSETUP_H

#include "gasmodel.h"

#include <cmath>

// Builds a model the way the field view and the window do: the size first
// (while the spacing is still 25), then the settings.
struct ModelSettings
{
    int side = 50;
    double atomR = 10;
    double electronR = 4;
    double speed = 100;
    int bins = 3;
};

inline void setUpModel(GasModel &model, const ModelSettings &settings = {})
{
    model.setSize(400, 400);
    model.setSide(settings.side);
    model.setAtomR(settings.atomR);
    model.setElectronR(settings.electronR);
    model.setSpeed(settings.speed);
    model.setBinsNumber(settings.bins);
}

// A lattice of one node far from most of the field: with spacing 400 the
// nodes sit at 25 + 400k, so a small atom leaves the middle of the field free.
inline ModelSettings sparseLattice(double electronR = 2)
{
    ModelSettings settings;
    settings.side = 400;
    settings.atomR = 5;
    settings.electronR = electronR;
    return settings;
}

constexpr double kPi = 3.141592653589793;

inline bool allFinite(const GasModel &model)
{
    for (const QPointF &p : model.electronPositions())
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return false;
    return true;
}

#endif
