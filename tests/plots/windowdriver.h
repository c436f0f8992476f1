#ifndef VANDREL_TESTS_WINDOWDRIVER_H
#define VANDREL_TESTS_WINDOWDRIVER_H

#include "widget.h"
#include "window.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <qcustomplot.h>

// The main window with handles on the controls the plot and snapshot tests
// drive. A tick runs the two slots of the timer's timeout in their order.
struct WindowDriver
{
    Window window;
    Widget *field = window.findChild<Widget *>();
    QCustomPlot *plot = window.findChild<QCustomPlot *>();

    const GasModel &model() const { return window.gasModel(); }

    template <typename T> T *control(const char *name) { return window.findChild<T *>(name); }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            field->animate();
            window.replot();
        }
    }

    void choosePlot(const char *button) { control<QRadioButton>(button)->setChecked(true); }

    // Electrons placed by plain clicks fly the default direction: 0 is
    // straight up, so each one keeps its column and its strip for good.
    void aimClicksStraightUp()
    {
        control<QCheckBox>("randomDefDirBox")->setChecked(false);
        control<QDoubleSpinBox>("defDirBox")->setValue(0);
    }

    void click(int x, int y) { QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, y)); }

    // With a spacing of 400 the atoms sit at x = 25 + 400k, out of reach of
    // every column these tests use (x >= 50 with the default radii 10 + 4).
    void placeVerticalMovers(const QList<int> &columns, int y = 200)
    {
        control<QSpinBox>("sideBox")->setValue(400);
        aimClicksStraightUp();
        for (int x : columns)
            click(x, y);
    }
};

#endif
