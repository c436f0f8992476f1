#ifndef VANDREL_FIELDLAYERCACHE_H
#define VANDREL_FIELDLAYERCACHE_H

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QVector>

// The parts of the field's picture that change only with the settings: the
// background with strips and atoms, and the trail dot at each sub-pixel
// offset. Redrawing 6400 overlapping atoms or 30000 anti-aliased dots on every
// paint would freeze the window; the cached pixels are the same ones.
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

    bool operator==(const FieldLayerKey &other) const;
};

class FieldLayerCache
{
public:
    static constexpr int dotSteps = 8;  // sub-pixel positions per axis
    static constexpr int dotSize = 6;   // sprite edge, pixels
    static constexpr int dotOrigin = 2; // sprite pixel holding the dot's whole-pixel centre

    FieldLayerKey layerKey;
    QImage layer;

    QPen dotPen;
    QBrush dotBrush;
    QVector<QImage> dots;
};

#endif
