#ifndef VANDREL_DISCSPRITES_H
#define VANDREL_DISCSPRITES_H

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QVector>

class QPainter;

// One kind of disc (a trail dot, an electron) drawn once at each sub-pixel
// offset on the device and then copied wherever it is needed. Drawing every
// disc anew sends its rim through Qt's path stroker as soon as the rim is
// wider than a device pixel, that is on any enlarged screen; copying the
// pixels costs a small part of that.
class DiscSprites
{
public:
    static constexpr int steps = 8; // sub-pixel positions per device pixel and axis

    // Readies the sprites of a disc with this radius, rim and fill at a device
    // pixel ratio, dropping those of other settings. False when the sprites
    // would be larger than copying them is worth: then the disc is drawn.
    bool prepare(double radius, const QPen &pen, const QBrush &brush, double ratio);
    // The disc with its centre at a point given in device pixels, onto a
    // painter that draws in device pixels. The centre is rounded to the
    // nearest sub-pixel step.
    void stamp(QPainter *painter, const QPointF &centre);

private:
    bool fitsSprite() const;
    const QImage &sprite(int stepX, int stepY);

    double radius = -1;
    QPen pen;
    QBrush brush;
    double ratio = 0;
    double reach = 0;        // from the centre to the rim's outer edge, in device pixels
    QVector<QImage> sprites; // each drawn when first needed
};

#endif
