#include "widget.h"
#include "window.h"

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <qcustomplot.h>

#include <cmath>
#include <cstdlib>

class WindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsStoppedWithTheFormDefaults();
    void playPauseToggles();
    void trailModeFreezesAndResumes_data();
    void trailModeFreezesAndResumes();
    void clearEndsInStopped_data();
    void clearEndsInStopped();
    void fewerBinsClampTheIndexFirst_data();
    void fewerBinsClampTheIndexFirst();
    void placedElectronMovesTheNumberBox_data();
    void placedElectronMovesTheNumberBox();
    void escapeCloses_data();
    void escapeCloses();

private:
    template <class T> T *control(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const { return control<QPushButton>(name); }
    QSpinBox *spinBox(const char *name) const { return control<QSpinBox>(name); }
    QDoubleSpinBox *doubleBox(const char *name) const { return control<QDoubleSpinBox>(name); }
    QAbstractButton *checkable(const char *name) const { return control<QAbstractButton>(name); }
    const GasModel &model() const { return window->gasModel(); }
    // One timer tick, in the order of the timer's connections.
    void tick()
    {
        field->animate();
        window->replot();
    }
    QColor fieldPixel(int x, int y) const
    {
        QImage image(field->size(), QImage::Format_RGB32);
        field->render(&image);
        return image.pixelColor(x, y);
    }
    void clickField(QPoint at)
    {
        QTest::mousePress(field, Qt::LeftButton, {}, at);
        QTest::mouseRelease(field, Qt::LeftButton, {}, at);
    }

    QScopedPointer<Window> window;
    QTimer *timer = nullptr;
    Widget *field = nullptr;
    QCustomPlot *plot = nullptr;
};

void WindowTest::init()
{
    window.reset(new Window(nullptr));
    timer = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    field = window->findChild<Widget *>();
    plot = window->findChild<QCustomPlot *>();
    QVERIFY(timer && field && plot);
}

void WindowTest::cleanup()
{
    window.reset();
}

void WindowTest::startsStoppedWithTheFormDefaults()
{
    QCOMPARE(spinBox("numberBox")->value(), 0);
    QCOMPARE(spinBox("numberBox")->maximum(), 500);
    QCOMPARE(spinBox("sideBox")->value(), 50);
    QCOMPARE(doubleBox("atomRadBox")->value(), 10.0);
    QCOMPARE(doubleBox("electronRadBox")->value(), 4.0);
    QCOMPARE(doubleBox("speedBox")->value(), 100.0);
    QCOMPARE(doubleBox("defDirBox")->value(), 23.0);
    for (const char *name : {"atomRadBox", "electronRadBox", "speedBox", "defDirBox"})
        QCOMPARE(doubleBox(name)->decimals(), 2);
    QVERIFY(checkable("randomDefDirBox")->isChecked());
    QCOMPARE(spinBox("binsBox")->value(), 3);
    QCOMPARE(spinBox("binIndexBox")->value(), 1);
    QCOMPARE(spinBox("binIndexBox")->maximum(), 3);
    QVERIFY(!checkable("showBinsBox")->isChecked());
    QVERIFY(checkable("plotProbabilityButton")->isChecked());
    QVERIFY(!checkable("plotPressureButton")->isChecked());
    QVERIFY(!checkable("plotDensityButton")->isChecked());
    QVERIFY(!checkable("trailModeCheckBox")->isChecked());
    QCOMPARE(button("togglePlayButton")->text(), QStringLiteral("Play"));
    QVERIFY(button("togglePlayButton")->isEnabled());
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 50);
    QCOMPARE(window->windowTitle(), QStringLiteral("Physics"));

    // The model holds what the form shows.
    QCOMPARE(model().number(), 0);
    QCOMPARE(model().latticeOriginX(), 25);
    QCOMPARE(model().latticeOriginY(), 25);
    QCOMPARE(model().binAccumulators().size(), 3);
    QCOMPARE(fieldPixel(75, 75), QColor(Qt::black)); // spacing 50
    QCOMPARE(fieldPixel(50, 25), QColor(Qt::white)); // not 25
    QCOMPARE(fieldPixel(33, 25), QColor(Qt::black)); // atom radius 10
    QCOMPARE(fieldPixel(36, 25), QColor(Qt::white));
    QCOMPARE(fieldPixel(50, 50), QColor(Qt::white)); // strips hidden

    // A click draws a random direction; the electron moves 5 pixels a tick.
    std::srand(7);
    const double angle = (std::rand() % 360) * 0.017453292519943295;
    std::srand(7);
    clickField(QPoint(50, 50));
    QCOMPARE(model().electronDirections(), QVector<double>{angle});
    QCOMPARE(fieldPixel(50, 50), QColor(Qt::red));
    QCOMPARE(fieldPixel(55, 50), QColor(Qt::white)); // electron radius 4
    tick();
    const QPointF moved = model().electronPositions().first() - QPointF(50, 50);
    QVERIFY(std::abs(std::hypot(moved.x(), moved.y()) - 5) < 1e-9);
}

void WindowTest::playPauseToggles()
{
    spinBox("numberBox")->setValue(4);
    const QVector<QPointF> placed = model().electronPositions();
    button("togglePlayButton")->click();
    QVERIFY(timer->isActive());
    QCOMPARE(button("togglePlayButton")->text(), QStringLiteral("Pause"));
    button("togglePlayButton")->click();
    QVERIFY(!timer->isActive());
    QCOMPARE(button("togglePlayButton")->text(), QStringLiteral("Play"));
    QCOMPARE(model().electronPositions(), placed);
    QVERIFY(model().timeData().isEmpty());
}

void WindowTest::trailModeFreezesAndResumes_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("buttonText");
    QTest::newRow("while stopped") << false << "Play";
    QTest::newRow("while running") << true << "Pause";
}

void WindowTest::trailModeFreezesAndResumes()
{
    QFETCH(bool, running);
    QFETCH(QString, buttonText);

    spinBox("numberBox")->setValue(3);
    if (running)
        button("togglePlayButton")->click();
    checkable("trailModeCheckBox")->setChecked(true);
    QVERIFY(!timer->isActive());
    QVERIFY(!button("togglePlayButton")->isEnabled());
    QCOMPARE(button("togglePlayButton")->text(), buttonText);

    checkable("trailModeCheckBox")->setChecked(false);
    QCOMPARE(timer->isActive(), running);
    QVERIFY(button("togglePlayButton")->isEnabled());
    QCOMPARE(button("togglePlayButton")->text(), buttonText);
}

void WindowTest::clearEndsInStopped_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("trail");
    QTest::newRow("stopped") << false << false;
    QTest::newRow("running") << true << false;
    QTest::newRow("trail after stopped") << false << true;
    QTest::newRow("trail after running") << true << true;
}

void WindowTest::clearEndsInStopped()
{
    QFETCH(bool, running);
    QFETCH(bool, trail);

    spinBox("sideBox")->setValue(40);
    spinBox("binsBox")->setValue(5);
    spinBox("numberBox")->setValue(6);
    button("togglePlayButton")->click();
    for (int i = 0; i < 3; ++i)
        tick();
    QVERIFY(!model().timeData().isEmpty());
    QCOMPARE(model().elapsedPath(), 15.0);
    QCOMPARE(plot->graphCount(), 1);
    if (!running)
        button("togglePlayButton")->click();
    checkable("trailModeCheckBox")->setChecked(trail);

    button("clearButton")->click();

    QVERIFY(!timer->isActive());
    QCOMPARE(button("togglePlayButton")->text(), QStringLiteral("Play"));
    QVERIFY(button("togglePlayButton")->isEnabled());
    QVERIFY(!checkable("trailModeCheckBox")->isChecked());
    QCOMPARE(spinBox("numberBox")->value(), 0);
    QCOMPARE(model().number(), 0);
    QVERIFY(model().timeData().isEmpty());
    QVERIFY(model().probabilityData().isEmpty());
    QCOMPARE(model().elapsedPath(), 0.0);
    QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0));
    QCOMPARE(plot->graphCount(), 0);
    QCOMPARE(plot->xAxis->range(), QCPRange(0, 1000));
    QCOMPARE(plot->yAxis->range(), QCPRange(0, 1));
    QCOMPARE(spinBox("sideBox")->value(), 40);
    QCOMPARE(spinBox("binsBox")->value(), 5);

    // Nothing is left to resume: trail mode on and off stays stopped.
    checkable("trailModeCheckBox")->setChecked(true);
    checkable("trailModeCheckBox")->setChecked(false);
    QVERIFY(!timer->isActive());
}

void WindowTest::fewerBinsClampTheIndexFirst_data()
{
    QTest::addColumn<int>("bins");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("newBins");
    QTest::addColumn<int>("newIndex");

    QTest::newRow("below the index") << 5 << 5 << 2 << 2;
    QTest::newRow("down to one strip") << 4 << 3 << 1 << 1;
    QTest::newRow("down to the index") << 5 << 3 << 3 << 3;
    QTest::newRow("more strips") << 3 << 3 << 10 << 3;
}

void WindowTest::fewerBinsClampTheIndexFirst()
{
    QFETCH(int, bins);
    QFETCH(int, index);
    QFETCH(int, newBins);
    QFETCH(int, newIndex);

    checkable("showBinsBox")->setChecked(true);
    spinBox("binsBox")->setValue(bins);
    spinBox("binIndexBox")->setValue(index);
    // Runs after the field has taken the new index: how many strips has it then?
    QVector<int> stripsAtIndexChange;
    connect(spinBox("binIndexBox"), &QSpinBox::valueChanged, this,
            [&] { stripsAtIndexChange.append(model().binAccumulators().size()); });

    spinBox("binsBox")->setValue(newBins);

    QCOMPARE(spinBox("binIndexBox")->value(), newIndex);
    QCOMPARE(spinBox("binIndexBox")->maximum(), newBins);
    QCOMPARE(stripsAtIndexChange, newIndex != index ? QVector<int>{bins} : QVector<int>());
    QCOMPARE(model().binAccumulators().size(), newBins);
    // Row y = 50 runs between the atoms: the selected strip is cyan, the others white.
    const double width = 400.0 / newBins;
    QCOMPARE(fieldPixel(int((newIndex - 0.5) * width), 50), QColor(Qt::cyan));
    if (newBins > 1) {
        const int other = newIndex == 1 ? newBins : 1;
        QCOMPARE(fieldPixel(int((other - 0.5) * width), 50), QColor(Qt::white));
    }
}

void WindowTest::placedElectronMovesTheNumberBox_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("boxAfter");
    QTest::newRow("empty field") << 0 << 1;
    QTest::newRow("reaching the maximum") << 499 << 500;
    QTest::newRow("beyond the maximum") << 500 << 500;
}

void WindowTest::placedElectronMovesTheNumberBox()
{
    QFETCH(int, before);
    QFETCH(int, boxAfter);

    spinBox("numberBox")->setValue(before);
    QCOMPARE(model().number(), before);
    QSignalSpy boxChanged(spinBox("numberBox"), &QSpinBox::valueChanged);
    QSignalSpy numberChanged(field, &Widget::numberChanged);

    clickField(QPoint(50, 50));

    QCOMPARE(numberChanged.count(), 1);
    QCOMPARE(numberChanged.first().first().toInt(), before + 1);
    QCOMPARE(model().number(), before + 1);
    QCOMPARE(model().electronPositions().last(), QPointF(50, 50));
    QCOMPARE(spinBox("numberBox")->value(), boxAfter);
    QCOMPARE(boxChanged.count(), boxAfter - before);
}

void WindowTest::escapeCloses_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("other key") << int(Qt::Key_Q) << false;
}

void WindowTest::escapeCloses()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    window->show();
    QTest::keyClick(window.data(), Qt::Key(key));
    QCOMPARE(window->isVisible(), !closes);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
