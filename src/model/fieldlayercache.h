#ifndef VANDREL_FIELDLAYERCACHE_H
#define VANDREL_FIELDLAYERCACHE_H

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QVector>

// The parts of the field's picture that change only with the settings: the
// background with strips and atoms, and the trail dot at each sub-pixel
// offset, both in device pixels. Redrawing 6400 overlapping atoms or 30000
// anti-aliased dots on every paint would freeze the window; the cached pixels
// are the same ones.
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
    double ratio = 0; // device pixels per logical pixel
    QPointF phase;    // the field's origin within its device pixel

    bool operator==(const FieldLayerKey &other) const;
};

class FieldLayerCache
{
public:
    static constexpr int dotSteps = 8; // sub-pixel positions per device pixel and axis

    FieldLayerKey layerKey;
    QImage layer;

    QPen dotPen;
    QBrush dotBrush;
    double dotRatio = 0;
    int dotOrigin = 0; // sprite pixel holding the dot's whole-pixel centre
    QVector<QImage> dots;
};

#endif
