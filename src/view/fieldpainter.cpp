#include "fieldpainter.h"

#include "deviceplacement.h"
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
// A disc of the given radius about a centre.
QRectF discAbout(const QPointF &centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

} // namespace

void FieldPainter::paint(const GasModel &model, QPainter *painter, const QRect &repainted)
{
    // An electron whose disc covers the whole field hides all that was drawn
    // before it, so the picture starts with the last such electron.
    const int firstShown = lastElectronCoveringField(model);
    const std::optional<DevicePlacement> placement = DevicePlacement::of(*painter);
    if (firstShown < 0 && placement) {
        const QImage &layer = staticLayer(model, painter->pen(), *placement);
        const QRect layerOnDevice(placement->wholePixels() + layer.offset(), layer.size());
        {
            const DevicePixelCoordinates devicePixels(painter);
            painter->drawImage(layerOnDevice.topLeft(), layer);
        }
        // Pixels the field covers only in part blend its background with
        // what lies beneath; only drawing them gets that right to the bit.
        const QRect repaintedOnDevice =
            placement->ontoDevice().mapRect(QRectF(repainted)).toAlignedRect();
        for (const QRect &pixels : QRegion(repaintedOnDevice) - layerOnDevice) {
            painter->save();
            clipToDevicePixels(painter, pixels);
            painter->fillRect(repainted, backgroundBrush);
            paintStrips(model, painter);
            paintAtoms(model, painter, pixels);
            painter->restore();
        }
    } else {
        painter->fillRect(repainted, backgroundBrush);
    }
    painter->save();
    if (firstShown < 0 && !placement) {
        paintStrips(model, painter);
        paintAtoms(model, painter, QRect());
    }
    painter->setBrush(electronBrush);
    const QVector<QPointF> &positions = model.electronPositions();
    const double radius = model.electronRadius();
    const int first = qMax(firstShown, 0);
    DiscSprites &sprites = cache.electrons;
    if (placement && sprites.prepare(radius, painter->pen(), electronBrush, placement->ratio)) {
        const QTransform onto = placement->ontoDevice();
        const DevicePixelCoordinates devicePixels(painter);
        for (int i = first; i < positions.size(); ++i)
            sprites.stamp(painter, onto.map(positions[i]));
    } else {
        for (int i = first; i < positions.size(); ++i)
            painter->drawEllipse(discAbout(positions[i], radius));
    }
    painter->restore();
}

// The last electron whose filled disc covers every pixel of the field with
// its rim outside it, or -1. Its own fill colour must be opaque.
int FieldPainter::lastElectronCoveringField(const GasModel &model) const
{
    if (!electronBrush.isOpaque() || electronBrush.style() != Qt::SolidPattern)
        return -1;
    const double inner = model.electronRadius() - 1.5; // rim half-width plus anti-aliasing
    if (inner <= 0)
        return -1;
    const double limit = inner * inner;
    const QVector<QPointF> &positions = model.electronPositions();
    for (int i = positions.size() - 1; i >= 0; --i) {
        const QPointF &c = positions[i];
        const double dx = qMax(qAbs(c.x()), qAbs(model.fieldWidth() - c.x()));
        const double dy = qMax(qAbs(c.y()), qAbs(model.fieldHeight() - c.y()));
        if (dx * dx + dy * dy <= limit)
            return i;
    }
    return -1;
}

// Thin separators over the full height, then the selected strip over them.
void FieldPainter::paintStrips(const GasModel &model, QPainter *painter) const
{
    if (!model.stripsShown())
        return;
    const double stripWidth = model.stripWidth();
    const int height = model.fieldHeight();
    for (int i = 1; i < model.stripCount(); ++i)
        painter->drawLine(QLineF(i * stripWidth, 0, i * stripWidth, height));
    painter->fillRect(QRectF(model.selectedStrip() * stripWidth, 0, stripWidth, height), binBrush);
}

// Every atom whose disc reaches into the field, wherever its node lies; the
// painter clips them at the field's edge. When only some device pixels matter
// (a layer image's or the field's rim), discs that miss them are skipped;
// where the discs overlap into solid black, that part is filled at once and
// the discs adding nothing more are skipped too: drawing them would not
// change a pixel.
void FieldPainter::paintAtoms(const GasModel &model, QPainter *painter, const QRect &pixels) const
{
    const int side = model.latticeSpacing();
    const double atomR = model.atomRadius();
    painter->setBrush(atomBrush);
    const QTransform onto = painter->deviceTransform();
    // How far a disc's stroke and anti-aliasing reach beyond its edge, on the
    // device and (at a device pixel ratio of 1 or more) in the field.
    const double reach = strokeWidthOnDevice(painter->pen(), onto.m11()) / 2 + 0.5;
    const double margin = atomR + painter->pen().widthF() / 2 + 1;
    QRectF area = QRectF(0, 0, model.fieldWidth(), model.fieldHeight());
    if (!pixels.isEmpty())
        area &= onto.inverted().mapRect(QRectF(pixels));
    const auto [firstX, lastX] =
        nodesBetween(model.latticeOriginX(), side, area.left() - margin, area.right() + margin);
    const auto [firstY, lastY] =
        nodesBetween(model.latticeOriginY(), side, area.top() - margin, area.bottom() + margin);
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
            const QRectF disc = discAbout(QPointF(x, y), atomR);
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
// redrawn only when a setting they show, the device pixels per pixel of the
// model (the view's scale times the device pixel ratio) or the field's
// sub-pixel phase changes. Its offset is its place on the device,
// counted from the pixel holding the field's origin.
const QImage &FieldPainter::staticLayer(const GasModel &model, const QPen &pen,
                                        const DevicePlacement &placement)
{
    const FieldLayerKey key{model.fieldWidth(),
                            model.fieldHeight(),
                            model.latticeOriginX(),
                            model.latticeOriginY(),
                            model.latticeSpacing(),
                            model.atomRadius(),
                            model.stripsShown(),
                            model.stripCount(),
                            model.selectedStrip(),
                            model.stripWidth(),
                            pen,
                            placement.ratio,
                            placement.phase()};
    if (key == cache.layerKey && !cache.layer.isNull())
        return cache.layer;

    const QRect field(0, 0, model.fieldWidth(), model.fieldHeight());
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
        paintStrips(model, &painter);
        paintAtoms(model, &painter, layer.rect());
    }
    cache.layerKey = key;
    cache.layer = layer;
    return cache.layer;
}

// One dot of the trail: a disc of diameter 2 around the electron's centre.
void FieldPainter::paintTrailDots(const GasModel &model, QPainter *painter)
{
    painter->save();
    painter->setBrush(trailBrush);
    const QVector<QPointF> &positions = model.electronPositions();
    const std::optional<DevicePlacement> placement = DevicePlacement::of(*painter);
    DiscSprites &sprites = cache.trailDots;
    if (placement && sprites.prepare(1, painter->pen(), trailBrush, placement->ratio)) {
        const QTransform onto = placement->ontoDevice();
        const DevicePixelCoordinates devicePixels(painter);
        for (const QPointF &centre : positions)
            sprites.stamp(painter, onto.map(centre));
    } else {
        for (const QPointF &centre : positions)
            painter->drawEllipse(discAbout(centre, 1));
    }
    painter->restore();
}
