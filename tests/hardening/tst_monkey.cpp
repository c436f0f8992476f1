#include "introb.h"
#include "widget.h"
#include "window.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <qcustomplot.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <random>

namespace {
template <class T> bool sameBits(const QVector<T> &a, const QVector<T> &b)
{
    return a.size() == b.size() &&
           (a.isEmpty() || !std::memcmp(a.constData(), b.constData(), a.size() * sizeof(T)));
}

// Runs the field's own paint handler from inside the filter, so that every
// paint, whoever asked for it, is checked for leaving the electrons exactly
// as it found them (the trail preview steps them and must put them back).
struct PaintWatch : QObject
{
    const GasModel *model = nullptr;
    int paints = 0;
    bool broken = false;
    bool eventFilter(QObject *field, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const QVector<QPointF> positions = model->electronPositions();
        const QVector<double> directions = model->electronDirections();
        field->event(event);
        ++paints;
        broken = broken || !sameBits(positions, model->electronPositions()) ||
                 !sameBits(directions, model->electronDirections());
        return true;
    }
};

enum { Click, Drag, Twice, Number, Box, Check, Trail, Radio, Play, Clear, Tick, Save, Menu };
const char *const kindNames[] = {"click",          "drag",      "double click", "number box",
                                 "other spin box", "check box", "trail mode",   "plot mode",
                                 "play/pause",     "clear",     "tick burst",   "save",
                                 "menu and back"};
const double kindWeights[] = {10, 6, 3, 7, 14, 4, 1.5, 3, 8, 2, 4, 0.5, 1};
constexpr int kinds = int(std::size(kindNames));
} // namespace

// 20000 random user actions on the real window, shown on the offscreen
// screen so that every repaint really paints.
class MonkeyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomUserSurvives();
};

void MonkeyTest::randomUserSurvives()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const GasModel &model = window.gasModel();
    auto *field = window.findChild<Widget *>();
    auto *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    auto *plot = window.findChild<QCustomPlot *>();
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
    QVERIFY(field && timer && plot && menu && boxes.size() == 7 && radios.size() == 3 &&
            radios.last()->objectName() == "plotDensityButton");
    PaintWatch watch;
    watch.model = &model;
    field->installEventFilter(&watch);
    QTemporaryDir shots;

    std::mt19937 rng(20240611);
    const auto below = [&rng](int n) { return int(rng() % unsigned(n)); };
    const auto point = [&](int lo, int hi) {
        return QPoint(lo + below(hi - lo), lo + below(hi - lo));
    };
    // Either end, anywhere, or (mostly) the lowest tenth of the range: big
    // discs in crowds are slow to paint.
    const auto anyValue = [&](double lo, double hi) {
        const int pick = below(20);
        const double span = pick < 4 ? hi - lo : (hi - lo) / 10;
        return pick == 0 ? lo : pick == 1 ? hi : lo + span * below(100001) / 100000.0;
    };
    std::discrete_distribution<int> chooseKind(std::begin(kindWeights), std::end(kindWeights));
    int done[kinds] = {}, ticks = 0, inTrail = 0, beyondBox = 0;
    bool playing = false, wasPlaying = false;

    for (int action = 0; action < 20000; ++action) {
        int kind = trailBox->isChecked() && !below(4) ? Trail : chooseKind(rng);
        // Crowds come, beyond the box's 500 too, but don't stay long.
        if ((model.number() > 540 && kind <= Twice) || (model.number() > 100 && !below(4)))
            kind = Number;
        int expected = model.number();
        const Qt::MouseButton button = below(4) ? Qt::LeftButton : Qt::RightButton;
        // A tenth of the presses land beside the field; those left of it
        // count as no press at all, since only a negative x marks none.
        const QPoint at = point(-40, 440);
        const int placed = at.x() >= 0;
        switch (kind) {
        case Click:
        case Drag:
        case Twice:
            QTest::mousePress(field, button, {}, at);
            for (int moves = kind == Drag ? 1 + below(3) : 0; moves > 0; --moves)
                QTest::mouseMove(field, point(-150, 550));
            QTest::mouseRelease(field, button, {}, at);
            if (kind == Twice) { // the second press of a double click comes as such
                QTest::mouseDClick(field, button, {}, at);
                QTest::mouseRelease(field, button, {}, at);
            }
            expected += kind == Twice ? 2 * placed : placed;
            break;
        case Number: {
            const int value = int(anyValue(0, 500));
            expected = value == numberBox->value() ? expected : value; // unchanged box: no signal
            numberBox->setValue(value);
            break;
        }
        case Box: {
            QAbstractSpinBox *box = boxes.at(below(boxes.size()));
            if (auto *spin = qobject_cast<QSpinBox *>(box))
                spin->setValue(int(anyValue(spin->minimum(), spin->maximum())));
            else if (auto *real = qobject_cast<QDoubleSpinBox *>(box))
                real->setValue(anyValue(real->minimum(), real->maximum()));
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
            playing = false;
            expected = 0;
            break;
        case Tick:
            // The timer's timeout, as often as it would fire while it runs.
            for (int burst = 1 + below(10); burst > 0 && timer->isActive(); --burst, ++ticks) {
                field->animate();
                window.replot();
                QCOMPARE(plot->graph(0)->dataCount(), radios.last()->isChecked() // density
                                                          ? 2 * model.densityData().size()
                                                          : model.timeData().size());
            }
            break;
        case Save: {
            const QString name = shots.filePath(QStringList{"a.png", "b.bmp", "c"}.at(below(3)));
            QVERIFY(window.saveShotTo(name)); // a name without a suffix gets ".png"
            QCOMPARE(QImageReader(name.endsWith('c') ? name + ".png" : name).size(),
                     QSize(400, 400));
            break;
        }
        case Menu:
            window.findChild<QPushButton *>("backButton")->click();
            QVERIFY(menu->isVisible());
            menu->findChild<QPushButton *>("goButton")->click();
            QVERIFY(!menu->isVisible());
            break;
        }
        ++done[kind];
        inTrail += trailBox->isChecked();
        beyondBox += model.number() > 500;

        const int count = model.number();
        const QByteArray where = "action " + QByteArray::number(action) + " (" + kindNames[kind] +
                                 "): " + QByteArray::number(count) + " electrons";
        QVERIFY2(!watch.broken, where + ", a paint moved them");
        QVERIFY2(count == expected && model.electronPositions().size() == count &&
                     model.electronDirections().size() == count,
                 where + ", expected " + QByteArray::number(expected));
        QVERIFY2(numberBox->value() == qMin(count, 500), where);
        for (const QPointF &p : model.electronPositions())
            QVERIFY2(std::isfinite(p.x()) && std::isfinite(p.y()), where);
        // The button follows the timer, but keeps its text through trail mode.
        QVERIFY2(timer->isActive() == playing, where);
        QVERIFY2(playButton->isEnabled() == !trailBox->isChecked(), where);
        const bool pauseShown = trailBox->isChecked() ? wasPlaying : playing;
        QVERIFY2(playButton->text() == (pauseShown ? "Pause" : "Play"), where);
    }

    QString report;
    for (int kind = 0; kind < kinds; ++kind)
        report += QStringLiteral("%1 %2, ").arg(kindNames[kind]).arg(done[kind]);
    qInfo("%s%d ticks, %d paints, %d actions in trail mode, %d with more than 500 electrons",
          qPrintable(report), ticks, watch.paints, inTrail, beyondBox);
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
