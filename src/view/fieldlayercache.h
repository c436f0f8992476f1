#ifndef VANDREL_FIELDLAYERCACHE_H
#define VANDREL_FIELDLAYERCACHE_H

#include "discsprites.h"

#include <QImage>
#include <QPen>
#include <QPointF>

// The parts of the field's picture that change only with the settings: the
// background with strips and atoms, and the trail dot and the electron at
// each sub-pixel offset, all in device pixels. Redrawing 6400 overlapping
// atoms, 30000 anti-aliased dots or 500 electrons with wide rims on every
// paint would freeze the window.
struct FieldLayerKey
{
    int width = -1;
    int height = -1;
    int originX = 0;
    int originY = 0;
    int side = 0;
    double atomR = 0;
    bool showBins = false;
    int binsNumber = 0;
    int binIndex = 0;
    double binWidth = 0;
    QPen pen;
    double ratio = 0; // device pixels per pixel of the model
    QPointF phase;    // the field's origin within its device pixel

    bool operator==(const FieldLayerKey &other) const;
};

class FieldLayerCache
{
public:
    FieldLayerKey layerKey;
    QImage layer;

    DiscSprites trailDots;
    DiscSprites electrons;
};

#endif
