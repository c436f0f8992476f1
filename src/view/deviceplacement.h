#ifndef VANDREL_DEVICEPLACEMENT_H
#define VANDREL_DEVICEPLACEMENT_H

#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QTransform>

#include <cmath>
#include <optional>

// Where a painter puts logical pixels on its device's pixels when all it does
// is scale them alike in both directions (the device pixel ratio, a view
// enlarged for a lecture, or both) and shift. Then pixels rendered once at
// that ratio and sub-pixel phase, then copied one to one, are the very pixels
// that drawing would give.
struct DevicePlacement
{
    double ratio = 1.0; // device pixels per logical pixel, the painter's scale included
    QPointF offset;     // device position of the logical origin

    QPoint wholePixels() const
    {
        return QPoint(int(std::floor(offset.x())), int(std::floor(offset.y())));
    }
    // The origin's position within its device pixel, each coordinate in [0, 1).
    QPointF phase() const { return offset - QPointF(wholePixels()); }
    // Logical coordinates onto the device's pixels.
    QTransform ontoDevice() const { return QTransform(ratio, 0, 0, ratio, offset.x(), offset.y()); }
    // Logical coordinates onto an image whose pixel (0, 0) is wholePixels().
    QTransform ontoImage() const
    {
        return QTransform(ratio, 0, 0, ratio, phase().x(), phase().y());
    }

    // None when the painter's world or view transform rotates, shears or
    // stretches one direction more than the other: the device pixels would
    // then not follow the cached ones.
    static std::optional<DevicePlacement> of(const QPainter &painter)
    {
        const bool viewOnlyShifts =
            !painter.viewTransformEnabled() || painter.window().size() == painter.viewport().size();
        if (painter.worldTransform().type() > QTransform::TxScale || !viewOnlyShifts)
            return std::nullopt;
        const QTransform device = painter.deviceTransform();
        const double limit = 1e6; // far beyond any screen; keeps the ints sane
        if (device.type() > QTransform::TxScale || device.m11() != device.m22() ||
            !(device.m11() > 0 && device.m11() < 64) ||
            !(qAbs(device.dx()) < limit && qAbs(device.dy()) < limit))
            return std::nullopt;
        return DevicePlacement{device.m11(), QPointF(device.dx(), device.dy())};
    }
};

// While it lives, the painter's coordinates are its device's pixels, whatever
// the device pixel ratio: an image drawn at a whole pixel is copied one to one.
class DevicePixelCoordinates
{
public:
    explicit DevicePixelCoordinates(QPainter *painter) : painter(painter)
    {
        painter->save();
        // The device transform is the world transform followed by the view
        // and the device's own mapping; this world transform undoes them all.
        painter->setWorldTransform(painter->deviceTransform().inverted() *
                                   painter->worldTransform());
    }
    ~DevicePixelCoordinates() { painter->restore(); }
    DevicePixelCoordinates(const DevicePixelCoordinates &) = delete;
    DevicePixelCoordinates &operator=(const DevicePixelCoordinates &) = delete;

private:
    QPainter *painter;
};

// The pixels lying wholly inside a rectangle given in pixels.
inline QRect wholePixelsWithin(const QRectF &area)
{
    return QRect(QPoint(int(std::ceil(area.left())), int(std::ceil(area.top()))),
                 QPoint(int(std::floor(area.right())) - 1, int(std::floor(area.bottom())) - 1));
}

// The width of a pen's stroke in device pixels; a hairline takes one.
inline double strokeWidthOnDevice(const QPen &pen, double ratio)
{
    if (pen.style() == Qt::NoPen)
        return 0;
    return qMax(pen.isCosmetic() ? pen.widthF() : pen.widthF() * ratio, 1.0);
}

// Narrows the painter's clip to some of its device's pixels, its transform
// left as it was.
inline void clipToDevicePixels(QPainter *painter, const QRect &pixels)
{
    const QTransform world = painter->worldTransform();
    painter->setWorldTransform(painter->deviceTransform().inverted() * world);
    painter->setClipRect(pixels, Qt::IntersectClip);
    painter->setWorldTransform(world);
}

#endif
