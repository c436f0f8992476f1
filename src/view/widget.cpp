#include "widget.h"

#include "gasmodel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmap>

#include <cmath>

namespace {
constexpr int fieldSize = GasModel::fieldSize;
constexpr int tickMs = GasModel::tickMs;
constexpr int previewTicks = 60; // three seconds ahead
constexpr int dragThreshold = 3; // Manhattan pixels that turn a click into a drag
} // namespace

Widget::Widget(GasModel *model, QWidget *parent) : QWidget(parent), model(model)
{
    setFixedSize(fieldSize, fieldSize);
    model->setSize(fieldSize, fieldSize);
}

void Widget::setViewSide(int pixels)
{
    scale = double(pixels) / fieldSize;
    setFixedSize(pixels, pixels);
}

// A picture for a file, the same at every view side.
QImage Widget::snapshot()
{
    const double shownScale = scale;
    scale = 1.0;
    QPixmap pixmap(fieldSize, fieldSize);
    render(&pixmap, QPoint(0, 0), QRegion(0, 0, fieldSize, fieldSize),
           DrawWindowBackground | DrawChildren);
    scale = shownScale;
    return pixmap.toImage();
}

void Widget::animate()
{
    model->step(tickMs);
    repaint();
}

void Widget::setNumber(int n)
{
    model->setNumber(n);
    repaint();
}

// A new lattice or radius can leave electrons in an atom or across a wall: they move to the
// nearest free spot once the one change is made.
void Widget::setSide(int s)
{
    model->setSide(s);
    model->moveTrappedElectronsToFreeSpots();
    repaint();
}

void Widget::setSpeed(double v)
{
    model->setSpeed(v);
    repaint();
}

void Widget::setAtomR(double r)
{
    model->setAtomR(r);
    model->moveTrappedElectronsToFreeSpots();
    repaint();
}

void Widget::setElectronR(double r)
{
    model->setElectronR(r);
    model->moveTrappedElectronsToFreeSpots();
    repaint();
}

void Widget::setShowBins(bool on)
{
    model->setShowBins(on);
    repaint();
}

void Widget::setBinsNumber(int n)
{
    model->setBinsNumber(n);
    repaint();
}

// The form counts strips from 1, the model from 0.
void Widget::setBinIndex(int k)
{
    model->setBinIndex(k - 1);
    repaint();
}

void Widget::setDefaultDirection(double d)
{
    defaultDirection = d;
}

void Widget::setDefaultRandom(bool on)
{
    defaultRandom = on;
}

void Widget::setTrace(bool on)
{
    trace = on;
    repaint();
}

void Widget::clear()
{
    model->clearStatistics();
}

// The trail preview shows the paths of the motion now chosen.
void Widget::setExactCollisions(bool on)
{
    model->setMotion(on ? GasModel::Motion::Exact : GasModel::Motion::Stepwise);
    repaint();
}

void Widget::mousePressEvent(QMouseEvent *event)
{
    pressPoint = dragPoint = event->position().toPoint();
    repaint();
}

void Widget::mouseMoveEvent(QMouseEvent *event)
{
    dragPoint = event->position().toPoint();
    repaint();
}

// The model pixel a view pixel shows.
QPoint Widget::modelPoint(const QPoint &viewPoint) const
{
    return QPoint(qRound(viewPoint.x() / scale), qRound(viewPoint.y() / scale));
}

double Widget::clickDirection() const
{
    return defaultRandom ? model->randomDirection() : GasModel::bearingToAngle(defaultDirection);
}

// The electron starts where the button went down; a drag only aims it. Both
// are judged on the screen, where the hand moves.
void Widget::mouseReleaseEvent(QMouseEvent *)
{
    if (pressPoint.x() < 0)
        return;
    const QPoint drag = dragPoint - pressPoint;
    const double angle = drag.manhattanLength() >= dragThreshold
                             ? std::atan2(double(drag.y()), double(drag.x()))
                             : clickDirection();
    const QPoint start = modelPoint(pressPoint);
    model->addElectron(start.x(), start.y(), angle);
    pressPoint = QPoint(-1, -1);
    repaint();
    emit numberChanged(model->number());
}

void Widget::paintEvent(QPaintEvent *event)
{
    painter.begin(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (scale != 1.0)
        painter.scale(scale, scale);
    // The model is drawn in its own pixels, so what to repaint is told in them.
    const QRectF repainted = QRectF(event->rect());
    const QRect inModel =
        QRectF(repainted.topLeft() / scale, repainted.size() / scale).toAlignedRect();
    fieldPainter.paint(*model, &painter, inModel);
    if (pressPoint.x() >= 0)
        painter.drawLine(QLineF(QPointF(pressPoint) / scale, QPointF(dragPoint) / scale));
    if (trace) {
        // Where every electron will be after each of the next ticks: a copy of the model moves
        // on as the model would, measuring nothing that anyone reads.
        GasModel preview = *model;
        preview.clearStatistics();
        for (int i = 0; i < previewTicks; ++i) {
            preview.step(tickMs);
            fieldPainter.paintTrailDots(preview, &painter);
        }
    }
    painter.end();
    // At a whole device pixel ratio the field covers each of its device
    // pixels with its opaque background, so Qt need not fill beneath it first;
    // at a fractional one its edge pixels blend with what lies beneath. Known
    // here, it holds from the next paint on.
    const double ratio = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == std::floor(ratio));
}
