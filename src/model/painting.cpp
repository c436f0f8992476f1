#include "fieldlayercache.h"
#include "gasmodel.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

bool FieldLayerKey::operator==(const FieldLayerKey &o) const
{
    return width == o.width && height == o.height && originX == o.originX && originY == o.originY &&
           side == o.side && atomR == o.atomR && showBins == o.showBins &&
           binsNumber == o.binsNumber && binIndex == o.binIndex && binWidth == o.binWidth &&
           pen == o.pen;
}

namespace {
// Cached pixels can stand in for drawing only on a plain device: no scaling,
// no rotation, one device pixel per logical pixel.
bool canUseCachedPixels(const QPainter *painter)
{
    return painter->transform().type() <= QTransform::TxTranslate &&
           painter->transform().dx() == std::floor(painter->transform().dx()) &&
           painter->transform().dy() == std::floor(painter->transform().dy()) &&
           painter->device()->devicePixelRatioF() == 1.0;
}

// The pixels that a lattice of discs of radius r covers completely: each pixel
// whose centre lies within r - 1 of a node (a pixel reaches at most 0.71 from
// its centre). Inside the rectangle of painted nodes every point lies within
// side/sqrt(2) of one; beyond it the cover reaches e = (r - 1)/sqrt(2) further,
// corners included. Empty when the discs leave gaps.
QRect solidlyCoveredPixels(int firstX, int lastX, int firstY, int lastY, int side, double r)
{
    const double reach = r - 1.0;
    if (reach <= 0 || side / std::sqrt(2.0) > reach)
        return QRect();
    const double e = reach / std::sqrt(2.0);
    const double left = std::ceil(firstX - e - 0.5), right = std::floor(lastX + e - 0.5);
    const double top = std::ceil(firstY - e - 0.5), bottom = std::floor(lastY + e - 0.5);
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
    painter->fillRect(event->rect(), backgroundBrush);
    painter->save();
    // An electron whose disc covers the whole field hides all that was drawn
    // before it, so the picture starts with the last such electron.
    const int firstShown = lastElectronCoveringField();
    if (firstShown < 0) {
        if (canUseCachedPixels(painter)) {
            painter->drawImage(QPoint(0, 0), staticLayer(painter->pen()));
        } else {
            paintStrips(painter);
            paintAtoms(painter, QRect());
        }
    }
    painter->setBrush(electronBrush);
    for (int i = qMax(firstShown, 0); i < count; ++i) {
        const QPointF &c = positions[i];
        painter->drawEllipse(
            QRectF(c.x() - electronR, c.y() - electronR, 2 * electronR, 2 * electronR));
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

// Atoms at the nodes from the origin rightwards and downwards whose centres
// lie inside the field. Where the discs overlap into solid black, that part is
// filled at once and the discs lying wholly within it are skipped: drawing
// them would not change a pixel.
void GasModel::paintAtoms(QPainter *painter, const QRect &field) const
{
    painter->setBrush(atomBrush);
    if (originX > width - 1 || originY > height - 1)
        return;
    QRect covered;
    if (!field.isEmpty() && painter->pen().color() == atomBrush.color()) {
        const int lastX = originX + (width - 1 - originX) / side * side;
        const int lastY = originY + (height - 1 - originY) / side * side;
        covered = solidlyCoveredPixels(originX, lastX, originY, lastY, side, atomR) & field;
        if (!covered.isEmpty())
            painter->fillRect(covered, atomBrush);
    }
    for (int y = originY; y <= height - 1; y += side) {
        for (int x = originX; x <= width - 1; x += side) {
            const QRectF disc(x - atomR, y - atomR, 2 * atomR, 2 * atomR);
            if (!covered.isEmpty() &&
                covered.contains(disc.adjusted(-1, -1, 1, 1).toAlignedRect() & field))
                continue;
            painter->drawEllipse(disc);
        }
    }
}

// Background, strips and atoms, redrawn only when a setting they show changes.
const QImage &GasModel::staticLayer(const QPen &pen)
{
    FieldLayerKey key{width,    height,     originX,  originY,  side, atomR,
                      showBins, binsNumber, binIndex, binWidth, pen};
    if (key == layerCache->layerKey && !layerCache->layer.isNull())
        return layerCache->layer;

    QImage layer(qMax(width, 1), qMax(height, 1), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.fillRect(layer.rect(), backgroundBrush);
    paintStrips(&painter);
    paintAtoms(&painter, layer.rect());
    painter.end();
    layerCache->layerKey = key;
    layerCache->layer = layer;
    return layerCache->layer;
}

// One dot of the trail: a disc of diameter 2 around the electron's centre.
void GasModel::paintTrailDots(QPainter *painter)
{
    painter->save();
    painter->setBrush(trailBrush);
    if (!canUseCachedPixels(painter)) {
        for (int i = 0; i < count; ++i) {
            const QPointF &c = positions[i];
            painter->drawEllipse(QRectF(c.x() - 1, c.y() - 1, 2, 2));
        }
        painter->restore();
        return;
    }
    const QVector<QImage> &dots = trailDotSprites(painter->pen());
    const int steps = FieldLayerCache::dotSteps;
    for (int i = 0; i < count; ++i) {
        const QPointF &c = positions[i];
        if (!(qAbs(c.x()) < 1e6 && qAbs(c.y()) < 1e6))
            continue; // far off the field, nothing to show
        const double fx = std::floor(c.x()), fy = std::floor(c.y());
        const int sx = qMin(int((c.x() - fx) * steps + 0.5), steps);
        const int sy = qMin(int((c.y() - fy) * steps + 0.5), steps);
        const QPoint at(int(fx) - FieldLayerCache::dotOrigin, int(fy) - FieldLayerCache::dotOrigin);
        painter->drawImage(at, dots[sy * (steps + 1) + sx]);
    }
    painter->restore();
}

// The trail dot drawn once at each sub-pixel offset (in eighths of a pixel).
const QVector<QImage> &GasModel::trailDotSprites(const QPen &pen)
{
    FieldLayerCache &cache = *layerCache;
    if (!cache.dots.isEmpty() && cache.dotPen == pen && cache.dotBrush == trailBrush)
        return cache.dots;

    const int steps = FieldLayerCache::dotSteps;
    cache.dots.clear();
    for (int sy = 0; sy <= steps; ++sy) {
        for (int sx = 0; sx <= steps; ++sx) {
            QImage dot(FieldLayerCache::dotSize, FieldLayerCache::dotSize,
                       QImage::Format_ARGB32_Premultiplied);
            dot.fill(Qt::transparent);
            QPainter painter(&dot);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(pen);
            painter.setBrush(trailBrush);
            const double cx = FieldLayerCache::dotOrigin + double(sx) / steps;
            const double cy = FieldLayerCache::dotOrigin + double(sy) / steps;
            painter.drawEllipse(QRectF(cx - 1, cy - 1, 2, 2));
            painter.end();
            cache.dots.append(dot);
        }
    }
    cache.dotPen = pen;
    cache.dotBrush = trailBrush;
    return cache.dots;
}
