#include "deviceplacement.h"
#include "fieldlayercache.h"
#include "gasmodel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <cmath>
#include <optional>
#include <utility>

bool FieldLayerKey::operator==(const FieldLayerKey &o) const
{
    return width == o.width && height == o.height && originX == o.originX && originY == o.originY &&
           side == o.side && atomR == o.atomR && showBins == o.showBins &&
           binsNumber == o.binsNumber && binIndex == o.binIndex && binWidth == o.binWidth &&
           pen == o.pen && ratio == o.ratio && phase == o.phase;
}

namespace {
// The first and the last of the nodes origin + k * side, k any integer, that
// lie strictly between low and high (the first past the last when none does).
std::pair<int, int> nodesBetween(int origin, int side, double low, double high)
{
    const double limit = 1e6; // far beyond any field; keeps the ints sane
    const double first = std::floor((qMax(low, -limit) - origin) / side) + 1;
    const double last = std::ceil((qMin(high, limit) - origin) / side) - 1;
    return {origin + int(first) * side, origin + int(last) * side};
}

// The device pixels that a lattice of discs covers completely, given the
// first and last node, the spacing and the discs' radius on the device: each
// pixel whose centre lies within radius - 1 of a node (a pixel reaches at most
// 0.71 from its centre). Inside the rectangle of nodes every point lies within
// spacing/sqrt(2) of one; beyond it the cover reaches e = (radius - 1)/sqrt(2)
// further, corners included. Empty when the discs leave gaps.
QRect solidlyCoveredPixels(const QPointF &first, const QPointF &last, double spacing, double radius)
{
    const double reach = radius - 1.0;
    if (reach <= 0 || spacing / std::sqrt(2.0) > reach)
        return QRect();
    const double e = reach / std::sqrt(2.0);
    const double left = std::ceil(first.x() - e - 0.5);
    const double right = std::floor(last.x() + e - 0.5);
    const double top = std::ceil(first.y() - e - 0.5);
    const double bottom = std::floor(last.y() + e - 0.5);
    const double limit = 1e6; // far beyond any field; keeps the ints sane
    return QRect(QPoint(int(qMax(left, -limit)), int(qMax(top, -limit))),
                 QPoint(int(qMin(right, limit)), int(qMin(bottom, limit))));
}
} // namespace

void GasModel::paint(QPainter *painter, QPaintEvent *event)
{
    if (previewing)
        paintTrailDots(painter);
    else
        paintField(painter, event);
}

void GasModel::paintField(QPainter *painter, QPaintEvent *event)
{
    // An electron whose disc covers the whole field hides all that was drawn
    // before it, so the picture starts with the last such electron.
    const int firstShown = lastElectronCoveringField();
    const std::optional<DevicePlacement> placement = DevicePlacement::of(*painter);
    if (firstShown < 0 && placement) {
        const QImage &layer = staticLayer(painter->pen(), *placement);
        const QRect layerOnDevice(placement->wholePixels() + layer.offset(), layer.size());
        {
            const DevicePixelCoordinates devicePixels(painter);
            painter->drawImage(layerOnDevice.topLeft(), layer);
        }
        // Pixels the field covers only in part blend its background with
        // what lies beneath; only drawing them gets that right to the bit.
        const QRect eventOnDevice =
            placement->ontoDevice().mapRect(QRectF(event->rect())).toAlignedRect();
        for (const QRect &pixels : QRegion(eventOnDevice) - layerOnDevice) {
            painter->save();
            clipToDevicePixels(painter, pixels);
            painter->fillRect(event->rect(), backgroundBrush);
            paintStrips(painter);
            paintAtoms(painter, pixels);
            painter->restore();
        }
    } else {
        painter->fillRect(event->rect(), backgroundBrush);
    }
    painter->save();
    if (firstShown < 0 && !placement) {
        paintStrips(painter);
        paintAtoms(painter, QRect());
    }
    painter->setBrush(electronBrush);
    const int first = qMax(firstShown, 0);
    DiscSprites &sprites = layerCache->electrons;
    if (placement && sprites.prepare(electronR, painter->pen(), electronBrush, placement->ratio)) {
        const QTransform onto = placement->ontoDevice();
        const DevicePixelCoordinates devicePixels(painter);
        for (int i = first; i < count; ++i)
            sprites.stamp(painter, onto.map(positions[i]));
    } else {
        for (int i = first; i < count; ++i) {
            const QPointF &c = positions[i];
            painter->drawEllipse(
                QRectF(c.x() - electronR, c.y() - electronR, 2 * electronR, 2 * electronR));
        }
    }
    painter->restore();
}

// The last electron whose filled disc covers every pixel of the field with
// its rim outside it, or -1. Its own fill colour must be opaque.
int GasModel::lastElectronCoveringField() const
{
    if (!electronBrush.isOpaque() || electronBrush.style() != Qt::SolidPattern)
        return -1;
    const double inner = electronR - 1.5; // rim half-width plus anti-aliasing
    if (inner <= 0)
        return -1;
    const double limit = inner * inner;
    for (int i = count - 1; i >= 0; --i) {
        const QPointF &c = positions[i];
        const double dx = qMax(qAbs(c.x()), qAbs(width - c.x()));
        const double dy = qMax(qAbs(c.y()), qAbs(height - c.y()));
        if (dx * dx + dy * dy <= limit)
            return i;
    }
    return -1;
}

// Thin separators over the full height, then the selected strip over them.
void GasModel::paintStrips(QPainter *painter) const
{
    if (!showBins)
        return;
    for (int i = 1; i < binsNumber; ++i)
        painter->drawLine(QLineF(i * binWidth, 0, i * binWidth, height));
    painter->fillRect(QRectF(binIndex * binWidth, 0, binWidth, height), binBrush);
}

// Every atom whose disc reaches into the field, wherever its node lies; the
// painter clips them at the field's edge. When only some device pixels matter
// (a layer image's or the field's rim), discs that miss them are skipped;
// where the discs overlap into solid black, that part is filled at once and
// the discs adding nothing more are skipped too: drawing them would not
// change a pixel.
void GasModel::paintAtoms(QPainter *painter, const QRect &pixels) const
{
    painter->setBrush(atomBrush);
    const QTransform onto = painter->deviceTransform();
    // How far a disc's stroke and anti-aliasing reach beyond its edge, on the
    // device and (at a device pixel ratio of 1 or more) in the field.
    const double reach = strokeWidthOnDevice(painter->pen(), onto.m11()) / 2 + 0.5;
    const double margin = atomR + painter->pen().widthF() / 2 + 1;
    QRectF area = QRectF(0, 0, width, height);
    if (!pixels.isEmpty())
        area &= onto.inverted().mapRect(QRectF(pixels));
    const auto [firstX, lastX] =
        nodesBetween(originX, side, area.left() - margin, area.right() + margin);
    const auto [firstY, lastY] =
        nodesBetween(originY, side, area.top() - margin, area.bottom() + margin);
    if (firstX > lastX || firstY > lastY)
        return;
    QRect covered;
    if (!pixels.isEmpty() && painter->pen().color() == atomBrush.color()) {
        const double ratio = onto.m11();
        covered =
            solidlyCoveredPixels(onto.map(QPointF(firstX, firstY)), onto.map(QPointF(lastX, lastY)),
                                 side * ratio, atomR * ratio) &
            pixels;
        if (!covered.isEmpty()) {
            const DevicePixelCoordinates devicePixels(painter); // the fill ends on pixel edges
            painter->fillRect(covered, atomBrush);
        }
        if (covered == pixels)
            return;
    }
    for (int y = firstY; y <= lastY; y += side) {
        for (int x = firstX; x <= lastX; x += side) {
            const QRectF disc(x - atomR, y - atomR, 2 * atomR, 2 * atomR);
            if (!pixels.isEmpty()) {
                const QRect touched =
                    onto.mapRect(disc).adjusted(-reach, -reach, reach, reach).toAlignedRect() &
                    pixels;
                if (touched.isEmpty() || covered.contains(touched))
                    continue;
            }
            painter->drawEllipse(disc);
        }
    }
}

// Background, strips and atoms on the device pixels the field covers wholly,
// redrawn only when a setting they show, the device pixel ratio or the
// field's sub-pixel phase changes. Its offset is its place on the device,
// counted from the pixel holding the field's origin.
const QImage &GasModel::staticLayer(const QPen &pen, const DevicePlacement &placement)
{
    FieldLayerKey key{width, height,          originX,          originY,  side,
                      atomR, showBins,        binsNumber,       binIndex, binWidth,
                      pen,   placement.ratio, placement.phase()};
    if (key == layerCache->layerKey && !layerCache->layer.isNull())
        return layerCache->layer;

    const QRect field(0, 0, width, height);
    const QTransform onto = placement.ontoImage();
    const QRect pixels = wholePixelsWithin(onto.mapRect(QRectF(field)));
    // Over an opaque background the layer has no alpha to blend: it is copied.
    QImage layer(pixels.size(), backgroundBrush.isOpaque() ? QImage::Format_RGB32
                                                           : QImage::Format_ARGB32_Premultiplied);
    layer.setOffset(pixels.topLeft());
    if (!layer.isNull()) {
        layer.fill(Qt::transparent);
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(pen);
        painter.setTransform(onto * QTransform::fromTranslate(-pixels.x(), -pixels.y()));
        painter.fillRect(field, backgroundBrush);
        paintStrips(&painter);
        paintAtoms(&painter, layer.rect());
    }
    layerCache->layerKey = key;
    layerCache->layer = layer;
    return layerCache->layer;
}

// One dot of the trail: a disc of diameter 2 around the electron's centre.
void GasModel::paintTrailDots(QPainter *painter)
{
    painter->save();
    painter->setBrush(trailBrush);
    const std::optional<DevicePlacement> placement = DevicePlacement::of(*painter);
    DiscSprites &sprites = layerCache->trailDots;
    if (placement && sprites.prepare(1, painter->pen(), trailBrush, placement->ratio)) {
        const QTransform onto = placement->ontoDevice();
        const DevicePixelCoordinates devicePixels(painter);
        for (int i = 0; i < count; ++i)
            sprites.stamp(painter, onto.map(positions[i]));
    } else {
        for (int i = 0; i < count; ++i) {
            const QPointF &c = positions[i];
            painter->drawEllipse(QRectF(c.x() - 1, c.y() - 1, 2, 2));
        }
    }
    painter->restore();
}
