#include "introb.h"
#include "widget.h"
#include "window.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <qcustomplot.h>

#include <cmath>
#include <random>

namespace {
QByteArray electronBits(const GasModel &m)
{
    return QByteArray(reinterpret_cast<const char *>(m.electronPositions().constData()),
                      m.number() * sizeof(QPointF)) +
           QByteArray(reinterpret_cast<const char *>(m.electronDirections().constData()),
                      m.number() * sizeof(double));
}

// Runs every paint itself, whoever asked for it, to check it leaves the electrons as they were.
struct PaintWatch : QObject
{
    const GasModel &model;
    bool broken = false;
    explicit PaintWatch(const GasModel &m) : model(m) {}
    bool eventFilter(QObject *field, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const QByteArray before = electronBits(model);
        field->event(event);
        broken = broken || electronBits(model) != before;
        return true;
    }
};

enum { Click, Drag, Twice, Number, Box, Check, Trail, Radio, Play, Clear, Tick, Save, Menu, Kinds };
const char *const kindNames[] = {"click", "drag", "dclick", "number", "box",  "check", "trail",
                                 "mode",  "play", "clear",  "ticks",  "save", "menu"};
const double kindWeights[] = {10, 6, 3, 7, 14, 4, 1.5, 3, 8, 2, 4, 0.5, 1};
} // namespace

// A random user, a long run and every extreme setting, with a full box of electrons at times.
class HardeningTest : public QObject
{
    Q_OBJECT
private slots:
    // 20000 random user actions on the window, shown offscreen so that every repaint paints.
    void randomUserSurvives();
    // The series stop at their cap and nothing else grows; never shown, so repaints are free.
    void soakPastTheSampleCap()
    {
        const auto residentKb = [] {
            QFile status("/proc/self/status");
            const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : "";
            return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLong();
        };
        Window window;
        auto *field = window.findChild<Widget *>();
        window.findChild<QObject *>("numberBox")->setProperty("value", 500);
        const GasModel &model = window.gasModel();
        int tick = 0;
        for (; model.timeData().size() < GasModel::maxSamples; ++tick)
            field->animate();
        window.replot();
        const QVector<double> times = model.timeData(), density = model.densityData();
        const QVector<double> binTime = model.binAccumulators();
        const long capKb = residentKb();
        for (; tick < 120000; ++tick)
            field->animate();
        window.replot();
        const long endKb = residentKb();
        // The accumulators ran on, but the density was not recomputed from them.
        QCOMPARE(model.timeData(), times);
        QCOMPARE(model.probabilityData().size(), GasModel::maxSamples);
        QCOMPARE(model.pressureData().size(), GasModel::maxSamples);
        QCOMPARE(model.densityData(), density);
        QVERIFY(model.binAccumulators() != binTime);
        QCOMPARE(window.findChild<QCustomPlot *>()->graph(0)->dataCount(), GasModel::maxSamples);
#ifndef __SANITIZE_ADDRESS__ // whose quarantine inflates the resident memory
        QVERIFY(capKb > 0 && endKb > 0);
        QVERIFY2(endKb - capKb < 20 * 1024, qPrintable(QString::number(endKb - capKb)));
#endif
    }
    void extremeSettingsStayBounded_data()
    {
        QTest::addColumn<QVector<double>>("c"); // side, atomR, electronR, speed, bins, binIndex
        for (int bits = 0; bits < 64; ++bits) {
            const auto pick = [=](int b, double lo, double hi) { return bits >> b & 1 ? hi : lo; };
            if (!(bits & 16) && (bits & 32))
                continue; // with one strip both ends are the same strip
            const QVector<double> c{pick(0, 5, 400),    pick(1, 0.1, 400), pick(2, 0.1, 400),
                                    pick(3, 0.1, 1000), pick(4, 1, 100),   pick(5, 1, 100)};
            QTest::addRow("%g %g %g %g %g %g", c[0], c[1], c[2], c[3], c[4], c[5]) << c;
        }
    }
    // Every corner of the settings form, with the electrons placed at those settings.
    void extremeSettingsStayBounded()
    {
        QFETCH(QVector<double>, c);
        Window window;
        auto *field = window.findChild<Widget *>();
        window.findChild<QCheckBox *>("showBinsBox")->setChecked(true);
        const char *boxes[] = {"sideBox", "atomRadBox",  "electronRadBox", "speedBox",
                               "binsBox", "binIndexBox", "numberBox"};
        for (int i = 0; i < 7; ++i)
            window.findChild<QObject *>(boxes[i])->setProperty("value", c.value(i, 500));
        const GasModel &model = window.gasModel();
        QCOMPARE(model.number(), 500);
        // A wall pass never takes a centre away from the field, an atom hit by at most 4R + s.
        const double bound = 200 + 2 * (4 * (c[1] + c[2]) + c[3] / 20);
        for (int tick = 1; tick <= 2000; ++tick) {
            field->animate();
            for (const QPointF &p : model.electronPositions())
                if (!(qMax(qAbs(p.x() - 200), qAbs(p.y() - 200)) <= bound)) // NaN fails too
                    QFAIL(qPrintable(QString("tick %1: (%2, %3)").arg(tick).arg(p.x()).arg(p.y())));
            if (tick % 500 == 0)
                QCOMPARE(renderToImage(field).size(), QSize(400, 400));
        }
        window.replot();
        const QByteArray before = electronBits(model);
        window.findChild<QCheckBox *>("trailModeCheckBox")->setChecked(true);
        renderToImage(field);
        QVERIFY(electronBits(model) == before);
    }
};

void HardeningTest::randomUserSurvives()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const GasModel &model = window.gasModel();
    auto *field = window.findChild<Widget *>();
    auto *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    auto *numberBox = window.findChild<QSpinBox *>("numberBox");
    auto *trailBox = window.findChild<QCheckBox *>("trailModeCheckBox");
    auto *playButton = window.findChild<QPushButton *>("togglePlayButton");
    QList<QAbstractSpinBox *> boxes = window.findChildren<QAbstractSpinBox *>();
    boxes.removeOne(numberBox);
    const QList<QCheckBox *> checks = {window.findChild<QCheckBox *>("randomDefDirBox"),
                                       window.findChild<QCheckBox *>("showBinsBox")};
    const QList<QRadioButton *> radios = window.findChildren<QRadioButton *>();
    Introb *menu = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        menu = qobject_cast<Introb *>(top) ? qobject_cast<Introb *>(top) : menu;
    QVERIFY(menu && boxes.size() == 7 && radios.size() == 3);
    PaintWatch watch(model);
    field->installEventFilter(&watch);
    QTemporaryDir shots;
    std::mt19937 rng(20240611);
    const auto below = [&rng](int n) { return int(rng() % unsigned(n)); };
    const auto point = [&](int l, int h) { return QPoint(l + below(h - l), l + below(h - l)); };
    // Either end, anywhere, or mostly the lowest tenth: big discs in crowds are slow to paint.
    const auto anyValue = [&](double lo, double hi) {
        const int pick = below(20);
        const double span = pick < 4 ? hi - lo : (hi - lo) / 10;
        return pick == 0 ? lo : pick == 1 ? hi : lo + span * below(100001) / 100000.0;
    };
    std::discrete_distribution<int> chooseKind(kindWeights, kindWeights + Kinds);
    int done[Kinds] = {}, ticks = 0;
    bool playing = false, wasPlaying = false;
    for (int action = 0; action < 20000; ++action) {
        int kind = trailBox->isChecked() && !below(4) ? Trail : chooseKind(rng);
        // Crowds come, beyond the box's 500 too, but don't stay long.
        if ((model.number() > 540 && kind <= Twice) || (model.number() > 100 && !below(4)))
            kind = Number;
        int expected = model.number();
        const Qt::MouseButton button = below(4) ? Qt::LeftButton : Qt::RightButton;
        const QPoint at = point(-40, 440); // a negative x marks no press: nothing placed
        switch (kind) {
        case Click:
        case Drag:
        case Twice:
            QTest::mousePress(field, button, {}, at);
            for (int moves = kind == Drag ? 1 + below(3) : 0; moves > 0; --moves)
                QTest::mouseMove(field, point(-150, 550));
            QTest::mouseRelease(field, button, {}, at);
            if (kind == Twice) // the second press of a double click comes as such
                QTest::mouseDClick(field, button, {}, at),
                    QTest::mouseRelease(field, button, {}, at);
            expected += (kind == Twice ? 2 : 1) * (at.x() >= 0);
            break;
        case Number: {
            const int value = int(anyValue(0, 500));
            expected = value == numberBox->value() ? expected : value; // unchanged box: no signal
            numberBox->setValue(value);
            break;
        }
        case Box: {
            QAbstractSpinBox *box = boxes.at(below(boxes.size()));
            box->setProperty("value", anyValue(box->property("minimum").toDouble(),
                                               box->property("maximum").toDouble()));
            break;
        }
        case Check:
            checks.at(below(2))->click();
            break;
        case Trail:
            wasPlaying = trailBox->isChecked() ? wasPlaying : playing;
            playing = trailBox->isChecked() && wasPlaying;
            trailBox->click();
            break;
        case Radio:
            radios.at(below(3))->click();
            break;
        case Play:
            playing = playButton->isEnabled() != playing;
            playButton->click();
            break;
        case Clear:
            window.findChild<QPushButton *>("clearButton")->click();
            playing = false, expected = 0;
            break;
        case Tick: // the timer's timeout, as often as it would fire while it runs
            for (int burst = 1 + below(10); burst > 0 && timer->isActive(); --burst, ++ticks)
                field->animate(), window.replot();
            break;
        case Save:
            QVERIFY(window.saveShotTo(shots.filePath("shot.png")));
            break;
        case Menu:
            window.findChild<QPushButton *>("backButton")->click();
            menu->findChild<QPushButton *>("goButton")->click();
            break;
        }
        ++done[kind];
        const int count = model.number();
        const QByteArray where = QByteArray::number(action) + ' ' + kindNames[kind];
        QVERIFY2(!watch.broken && count == expected && model.electronPositions().size() == count &&
                     model.electronDirections().size() == count &&
                     numberBox->value() == qMin(count, 500),
                 where);
        for (const QPointF &p : model.electronPositions())
            QVERIFY2(std::isfinite(p.x()) && std::isfinite(p.y()), where);
        // The button follows the timer, but keeps its text through trail mode.
        const bool pauseShown = trailBox->isChecked() ? wasPlaying : playing;
        QVERIFY2(timer->isActive() == playing &&
                     playButton->isEnabled() == !trailBox->isChecked() &&
                     playButton->text() == (pauseShown ? "Pause" : "Play"),
                 where);
    }
    QString report; // how often each kind came
    for (int kind = 0; kind < Kinds; ++kind)
        report += QStringLiteral("%1 %2, ").arg(kindNames[kind]).arg(done[kind]);
    qInfo("%s%d ticks", qPrintable(report), ticks);
}

QTEST_MAIN(HardeningTest)
#include "tst_hardening.moc"
