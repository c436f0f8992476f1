#ifndef VANDREL_FIELDPAINTER_H
#define VANDREL_FIELDPAINTER_H

#include "fieldlayercache.h"

#include <QBrush>

class GasModel;
class QImage;
class QPainter;
class QPen;
class QRect;
struct DevicePlacement;

// Draws a gas model: the white field with the selected strip and its separators, the black
// atoms and the red electrons; for the trail preview a black dot at each electron. The
// picture's costly parts are kept between paints, keyed by everything they show.
class FieldPainter
{
public:
    void paint(const GasModel &model, QPainter *painter, const QRect &repainted);
    void paintTrailDots(const GasModel &model, QPainter *painter);

private:
    int lastElectronCoveringField(const GasModel &model) const;
    void paintStrips(const GasModel &model, QPainter *painter) const;
    void paintAtoms(const GasModel &model, QPainter *painter, const QRect &pixels) const;
    const QImage &staticLayer(const GasModel &model, const QPen &pen,
                              const DevicePlacement &placement);

    const QBrush backgroundBrush{Qt::white, Qt::SolidPattern};
    const QBrush trailBrush{Qt::black, Qt::SolidPattern};
    const QBrush atomBrush{Qt::black, Qt::SolidPattern};
    const QBrush electronBrush{Qt::red, Qt::SolidPattern};
    const QBrush binBrush{Qt::cyan, Qt::SolidPattern};
    FieldLayerCache cache;
};

#endif
