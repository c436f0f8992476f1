#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

#include <functional>
#include <random>

static QByteArray electronBits(const GasModel &m)
{
    const auto bytes = [](const auto &v) {
        return QByteArray(reinterpret_cast<const char *>(v.data()), v.size() * sizeof(v[0]));
    };
    return bytes(m.electronPositions()) + bytes(m.electronDirections());
}

// A random user, a long run and every extreme setting, with a full box of electrons at times.
class HardeningTest : public QObject
{
    Q_OBJECT
private slots:
    // 20000 random user actions on the window, shown offscreen so that every change repaints.
    void randomUserSurvives()
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const GasModel &model = window.gasModel();
        auto *field = window.findChild<Widget *>();
        auto *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        auto *numberBox = window.findChild<QSpinBox *>("numberBox");
        auto *trail = window.findChild<QCheckBox *>("trailModeCheckBox");
        auto *play = window.findChild<QPushButton *>("togglePlayButton");
        QList<QAbstractSpinBox *> boxes = window.findChildren<QAbstractSpinBox *>();
        boxes.removeOne(numberBox);
        QTemporaryDir shots;
        std::mt19937 rng(20240611);
        const auto below = [&rng](int n) { return int(rng() % unsigned(n)); };
        const auto point = [&](int l, int h) { return QPoint(l + below(h - l), l + below(h - l)); };
        const auto press = [&](const QString &some) { // on the window or the menu
            const QStringList names = some.split(' ');
            const QString name = names.at(below(names.size()));
            for (QWidget *widget : QApplication::allWidgets())
                if (widget->objectName() == name)
                    return qobject_cast<QAbstractButton *>(widget)->click();
        };
        int expected = 0;
        const auto gesture = [&](int moves) {  // -1: a double click, whose second press comes so
            const QPoint at = point(-40, 440); // a negative x marks no press: nothing placed
            const Qt::MouseButton button = below(4) ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(field, button, {}, at);
            for (int i = 0; i < moves; ++i)
                QTest::mouseMove(field, point(-150, 550));
            QTest::mouseRelease(field, button, {}, at);
            if (moves < 0)
                QTest::mouseDClick(field, button, {}, at),
                    QTest::mouseRelease(field, button, {}, at);
            expected += (moves < 0 ? 2 : 1) * (at.x() >= 0);
        };
        // Either end, anywhere, or mostly the lowest tenth: big discs in crowds are slow to paint.
        const auto setBox = [&](QAbstractSpinBox *box) {
            const double lo = box->property("minimum").toDouble(), pick = below(20);
            const double span = box->property("maximum").toDouble() - lo;
            const double value =
                lo + span * (pick < 2 ? pick : below(100001) / (pick < 4 ? 1e5 : 1e6));
            const int number = int(value); // an unchanged box sends no signal
            expected = box != numberBox || number == numberBox->value() ? expected : number;
            box->setProperty("value", box == numberBox ? number : value);
        };
        const QVector<QPair<QString, std::function<void()>>> kinds{
            {"click", [&] { gesture(0); }},
            {"drag", [&] { gesture(1 + below(3)); }},
            {"dclick", [&] { gesture(-1); }},
            {"number", [&] { setBox(numberBox); }},
            {"box", [&] { setBox(boxes.at(below(boxes.size()))); }},
            {"check", [&] { press("randomDefDirBox showBinsBox"); }},
            {"trail", [&] { press("trailModeCheckBox"); }},
            {"mode", [&] { press("plotProbabilityButton plotPressureButton plotDensityButton"); }},
            {"play", [&] { press("togglePlayButton"); }},
            {"clear", [&] { press("clearButton"), expected = 0; }},
            {"ticks",
             [&] { // the timer's timeout, as often as it would fire while it runs
                 for (int n = 1 + below(10); n > 0 && timer->isActive(); --n)
                     field->animate(), window.replot();
             }},
            {"save", [&] { QVERIFY(window.saveTo(shots.filePath("shot.png"))); }},
            {"menu", [&] { press("backButton"), press("goButton"); }}};
        std::discrete_distribution<int> chooseKind({10, 6, 3, 7, 14, 4, 1.5, 3, 8, 2, 4, 0.5, 1});
        QVector<int> done(kinds.size());
        QString text = play->text(); // shown before trail mode, kept through it
        for (int action = 0; action < 20000; ++action) {
            int kind = trail->isChecked() && !below(4) ? 6 : chooseKind(rng);
            // Crowds come, beyond the box's 500 too, but don't stay long.
            if ((model.number() > 540 && kind <= 2) || (model.number() > 100 && !below(4)))
                kind = 3;
            expected = model.number();
            kinds[kind].second();
            ++done[kind];
            const int n = model.number();
            const QByteArray bits = electronBits(model);
            field->repaint();                                        // with a preview in trail mode
            double zero = electronBits(model) == bits ? 0 : qQNaN(); // NaN when moved or infinite
            for (const QPointF &p : model.electronPositions())
                zero += p.x() * 0 + p.y() * 0;
            const bool trailOn = trail->isChecked(), running = timer->isActive();
            const QString shown = trailOn ? text : running ? "Pause" : "Play";
            QVERIFY2(zero == 0 && n == expected && numberBox->value() == qMin(n, 500) &&
                         model.electronPositions().size() == n &&
                         model.electronDirections().size() == n && play->isEnabled() != trailOn &&
                         !(trailOn && running) && play->text() == shown,
                     qPrintable(QString("%1 %2").arg(action).arg(kinds[kind].first)));
            text = shown;
        }
        QString report; // how often each kind came
        for (int kind = 0; kind < kinds.size(); ++kind)
            report += QString(" %1 %2").arg(kinds[kind].first).arg(done[kind]);
        qInfo("%s", qPrintable(report));
    }
    void longRunsStayBounded_data()
    {
        QTest::addColumn<QVector<double>>("c"); // side, atomR, electronR, speed, bins, index, ticks
        QTest::newRow("soak past the sample cap") << QVector<double>{50, 10, 4, 100, 3, 1, 120000};
        const double lo[] = {5, 0.1, 0.1, 0.1, 1, 1}, hi[] = {400, 400, 400, 1000, 100, 100};
        for (int bits = 0; bits < 64; ++bits) { // every corner of the settings form
            QVector<double> c(7, 2000);
            for (int i = 0; i < 6; ++i)
                c[i] = bits >> i & 1 ? hi[i] : lo[i];
            if (c[5] <= c[4]) // with one strip both ends are the same strip
                QTest::addRow("%g %g %g %g %g %g", c[0], c[1], c[2], c[3], c[4], c[5]) << c;
        }
    }
    // 500 electrons placed at the settings; never shown, so repaints are free.
    void longRunsStayBounded()
    {
        QFETCH(QVector<double>, c);
        const auto residentPages = [] {
            QFile statm("/proc/self/statm");
            return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLong()
                                                   : 0;
        };
        Window window;
        auto *field = window.findChild<Widget *>();
        window.findChild<QCheckBox *>("showBinsBox")->setChecked(true);
        int i = 0;
        for (const char *box : {"sideBox", "atomRadBox", "electronRadBox", "speedBox", "binsBox",
                                "binIndexBox", "numberBox"})
            window.findChild<QObject *>(box)->setProperty("value", i < 6 ? c[i++] : 500);
        const GasModel &model = window.gasModel();
        QCOMPARE(model.number(), 500);
        QVector<double> times, density, binTime; // when the series reach their cap
        long capPages = 0; // a wall pass keeps a centre in the field, an atom hit moves it 4R + s
        const double bound = 200 + 2 * (4 * (c[1] + c[2]) + c[3] / 20);
        for (int tick = 0; tick < c[6]; ++tick, field->animate()) {
            if (times.isEmpty() && model.timeData().size() == GasModel::maxSamples)
                times = model.timeData(), density = model.densityData(),
                binTime = model.binAccumulators(), capPages = residentPages();
            for (const QPointF &p : model.electronPositions())
                if (!(qMax(qAbs(p.x() - 200), qAbs(p.y() - 200)) <= bound)) // NaN fails too
                    QFAIL(qPrintable(QString("tick %1: (%2, %3)").arg(tick).arg(p.x()).arg(p.y())));
        }
        const QByteArray before = electronBits(model);
        window.findChild<QCheckBox *>("trailModeCheckBox")->setChecked(true);
        QCOMPARE(renderToImage(field).size(), QSize(400, 400));
        QVERIFY(electronBits(model) == before);
        if (c[6] < GasModel::maxSamples)
            return;
        // The series stopped at their cap; the accumulators ran on, but not into the density.
        window.replot();
        QCOMPARE(model.timeData(), times);
        QCOMPARE(model.probabilityData().size() + model.pressureData().size(), 2 * times.size());
        QVERIFY(model.densityData() == density && model.binAccumulators() != binTime);
        QCOMPARE(window.findChild<QCustomPlot *>()->graph(0)->dataCount(), GasModel::maxSamples);
#ifndef __SANITIZE_ADDRESS__ // whose quarantine inflates the resident memory; 20 MB here
        const long grown = residentPages() - capPages;
        QVERIFY2(capPages > 0 && grown < 5120, qPrintable(QString::number(grown)));
#endif
    }
};

QTEST_MAIN(HardeningTest)
#include "tst_hardening.moc"
