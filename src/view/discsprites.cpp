#include "discsprites.h"

#include "deviceplacement.h"

#include <QPainter>

#include <cmath>

namespace {
// Beyond this many device pixels a side, copying a sprite costs about what
// filling the disc does, and the sprites of every sub-pixel step would take
// megabytes.
constexpr int largestSprite = 128;
} // namespace

bool DiscSprites::prepare(double radius, const QPen &pen, const QBrush &brush, double ratio)
{
    if (radius != this->radius || pen != this->pen || brush != this->brush ||
        ratio != this->ratio) {
        this->radius = radius;
        this->pen = pen;
        this->brush = brush;
        this->ratio = ratio;
        // The rim reaches half a stroke beyond the radius.
        reach = radius * ratio + strokeWidthOnDevice(pen, ratio) / 2;
        sprites.clear();
        if (fitsSprite())
            sprites.resize((steps + 1) * (steps + 1));
    }
    return fitsSprite();
}

bool DiscSprites::fitsSprite() const
{
    return 2 * reach + 1 <= largestSprite;
}

void DiscSprites::stamp(QPainter *painter, const QPointF &centre)
{
    const double x = centre.x();
    const double y = centre.y();
    if (!(qAbs(x) < 1e6 && qAbs(y) < 1e6))
        return; // far off any screen, nothing to show
    const double wholeX = std::floor(x);
    const double wholeY = std::floor(y);
    const int stepX = qMin(int((x - wholeX) * steps + 0.5), steps);
    const int stepY = qMin(int((y - wholeY) * steps + 0.5), steps);
    const QImage &disc = sprite(stepX, stepY);
    painter->drawImage(QPoint(int(wholeX), int(wholeY)) + disc.offset(), disc);
}

// Each sprite holds only the pixels its disc touches, its offset saying where
// they lie from the whole-pixel centre: the fewer pixels, the cheaper a copy.
// Qt's thin-rim stroker may touch a pixel beyond the rim, so the disc is drawn
// with room to spare and then cut to what it touched.
const QImage &DiscSprites::sprite(int stepX, int stepY)
{
    QImage &disc = sprites[stepY * (steps + 1) + stepX];
    if (!disc.isNull())
        return disc;
    const int origin = int(std::ceil(reach)) + 2;
    QImage frame(2 * origin + 1, 2 * origin + 1, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setTransform(QTransform(ratio, 0, 0, ratio, origin + double(stepX) / steps,
                                    origin + double(stepY) / steps));
    painter.drawEllipse(QRectF(-radius, -radius, 2 * radius, 2 * radius));
    painter.end();
    QRect touched;
    for (int y = 0; y < frame.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                touched |= QRect(x, y, 1, 1);
        }
    }
    disc = frame.copy(touched);
    disc.setOffset(touched.topLeft() - QPoint(origin, origin));
    return disc;
}
