#ifndef VANDREL_WIDGET_H
#define VANDREL_WIDGET_H

#include "fieldpainter.h"

#include <QPainter>
#include <QPoint>
#include <QWidget>

class GasModel;

// The field view: paints the model (with the drag line and, in trail mode,
// the next three seconds of paths) and turns mouse gestures and settings into
// model calls. Every change repaints at once. The model is 400 x 400 whatever
// the side the view shows it at.
class Widget : public QWidget
{
    Q_OBJECT

public:
    explicit Widget(GasModel *model, QWidget *parent = nullptr);

    // Shows the field at this many pixels a side, its drawing and the mouse
    // scaled to match; 400 shows it at the model's own size.
    void setViewSide(int pixels);
    // The field at the model's own size, as the view paints it at that size.
    QImage snapshot();

signals:
    void numberChanged(int);

public slots:
    void animate();
    void setNumber(int);
    void setSide(int);
    void setSpeed(double);
    void setAtomR(double);
    void setElectronR(double);
    void setShowBins(bool);
    void setBinsNumber(int);
    void setBinIndex(int);
    void setDefaultDirection(double);
    void setDefaultRandom(bool);
    void setTrace(bool);
    void clear();
    void setExactCollisions(bool);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    double clickDirection() const;
    QPoint modelPoint(const QPoint &viewPoint) const;

    QPainter painter;
    FieldPainter fieldPainter;
    GasModel *model;
    QPoint pressPoint{-1, -1};
    QPoint dragPoint{0, 0};
    double defaultDirection = 0.0;
    bool defaultRandom = false;
    bool trace = false;
    double scale = 1.0; // view pixels per model pixel
};

#endif
