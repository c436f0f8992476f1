#include "gasmodel.h"

#include <QPaintEvent>
#include <QPainter>

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
    if (showBins) {
        for (int i = 1; i < binsNumber; ++i)
            painter->drawLine(QLineF(i * binWidth, 0, i * binWidth, height));
        painter->fillRect(QRectF(binIndex * binWidth, 0, binWidth, height), binBrush);
    }
    painter->setBrush(atomBrush);
    for (int y = originY; y <= height - 1; y += side)
        for (int x = originX; x <= width - 1; x += side)
            painter->drawEllipse(QRectF(x - atomR, y - atomR, 2 * atomR, 2 * atomR));
    painter->setBrush(electronBrush);
    for (int i = 0; i < count; ++i) {
        const QPointF &c = positions[i];
        painter->drawEllipse(
            QRectF(c.x() - electronR, c.y() - electronR, 2 * electronR, 2 * electronR));
    }
    painter->restore();
}

void GasModel::paintTrailDots(QPainter *painter)
{
    painter->save();
    painter->setBrush(trailBrush);
    for (int i = 0; i < count; ++i) {
        const QPointF &c = positions[i];
        painter->drawEllipse(QRectF(c.x() - 1, c.y() - 1, 2, 2));
    }
    painter->restore();
}
