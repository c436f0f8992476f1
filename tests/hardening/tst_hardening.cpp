#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

// A random user, long runs and every extreme setting, with a full box of electrons at times.
class HardeningTest : public QObject
{
    Q_OBJECT
private slots:
    // 20000 random user actions on the window, shown offscreen so that every change paints.
    void randomUser()
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
        const auto boxes = window.findChildren<QAbstractSpinBox *>();
        auto buttons = window.findChildren<QAbstractButton *>();
        // Their dialogs would wait.
        for (const char *asking : {"saveButton", "openButton", "exampleLessonsButton",
                                   "clearResultsButton"})
            buttons.removeOne(window.findChild<QPushButton *>(asking));
        std::mt19937 random(20240611);
        const auto below = [&random](int bound) { return int(random() % unsigned(bound)); };
        // Either end of the box's range (one time in twenty), anywhere in it (one in forty), or
        // else its lowest twentieth: big discs in crowds are slow to paint.
        const auto setAtRandom = [&](QAbstractSpinBox *box) {
            const double lowest = box->property("minimum").toDouble();
            const double span = box->property("maximum").toDouble() - lowest;
            const int pick = below(40);
            const double fraction = pick < 2 ? pick : below(100001) / (pick < 3 ? 1e5 : 2e6);
            box->setProperty("value", lowest + span * fraction);
        };
        enum Kind { Gesture, Box, Button, Ticks };
        std::discrete_distribution<int> chooseKind({19, 21, 17.5, 4});
        for (int action = 0; action < 20000; ++action) {
            const int kind = chooseKind(random);
            const int before = model.number();
            // Trail mode, which paints three seconds ahead, does not last; crowds come, beyond
            // the box's 500 too, but do not stay long.
            if (trail->isChecked() && !below(4)) {
                trail->click();
            } else if ((before > 540 && kind == Gesture) || (before > 100 && !below(4))) {
                setAtRandom(numberBox);
            } else if (kind == Gesture) {
                // A press left of the field places nothing, a double click two.
                const QPoint at(below(480) - 40, below(480) - 40);
                const Qt::MouseButton button = below(4) ? Qt::LeftButton : Qt::RightButton;
                const bool twice = !below(6);
                QTest::mouseClick(field, button, {}, at);
                if (twice) {
                    QTest::mouseDClick(field, button, {}, at);
                    QTest::mouseRelease(field, button, {}, at);
                }
                QCOMPARE(model.number(), before + (at.x() < 0 ? 0 : twice ? 2 : 1));
            } else if (kind == Box) {
                setAtRandom(boxes.at(below(boxes.size())));
            } else if (kind == Button) {
                buttons.at(below(buttons.size()))->click();
            } else {
                // The timer's timeout, as often as it would fire while it runs.
                for (int tick = 1 + below(10); tick > 0 && timer->isActive(); --tick) {
                    field->animate();
                    window.replot();
                }
            }
            for (const QPointF &position : model.electronPositions())
                QVERIFY(qIsFinite(position.x()) && qIsFinite(position.y()));
            QCOMPARE(numberBox->value(), qMin(model.number(), 500));
            // Trail mode stops the timer and the play button.
            QCOMPARE(play->isEnabled(), !trail->isChecked());
            QVERIFY(!(trail->isChecked() && timer->isActive()));
        }
    }

    void longRuns_data()
    {
        // side, atomR, electronR, speed, strips, selected strip
        QTest::addColumn<QVector<double>>("settings");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("exact");
        QTest::newRow("soak past the sample cap")
            << QVector<double>{50, 10, 4, 100, 3, 2} << 101000 << true;
        // Every corner of the settings form, the selected strip one of the strips.
        const double lowest[] = {5, 0.1, 0.1, 0.1, 1, 1};
        const double highest[] = {400, 400, 400, 1000, 100, 100};
        for (int corner = 0; corner < 64; ++corner) {
            QVector<double> settings;
            for (int i = 0; i < 6; ++i)
                settings.append(corner & 1 << i ? highest[i] : lowest[i]);
            for (bool exact : {false, true}) {
                if (settings[5] <= settings[4])
                    QTest::addRow("%g %g %g %g %g %g%s", settings[0], settings[1], settings[2],
                                  settings[3], settings[4], settings[5], exact ? " exact" : "")
                        << settings << 1000 << exact;
            }
        }
    }
    // 500 electrons at the settings in either motion, then the plot and the trail preview;
    // never shown, so repaints cost nothing.
    void longRuns()
    {
        QFETCH(QVector<double>, settings);
        QFETCH(int, ticks);
        QFETCH(bool, exact);
        Window window;
        window.findChild<QCheckBox *>("exactCollisionsCheckBox")->setChecked(exact);
        window.findChild<QCheckBox *>("showBinsBox")->setChecked(true);
        const char *boxes[] = {"sideBox",  "atomRadBox", "electronRadBox",
                               "speedBox", "binsBox",    "binIndexBox"};
        for (int i = 0; i < 6; ++i)
            window.findChild<QObject *>(boxes[i])->setProperty("value", settings[i]);
        window.findChild<QObject *>("numberBox")->setProperty("value", 500);
        const GasModel &model = window.gasModel();
        auto *field = window.findChild<Widget *>();
        // A wall mirror keeps a centre in the field, an atom hit moves it at most 4 R + s.
        const double bound = 200 + 2 * (4 * (settings[1] + settings[2]) + settings[3] / 20);
        for (int tick = 0; tick < ticks; ++tick) {
            field->animate();
            for (const QPointF &position : model.electronPositions()) {
                const QPointF fromCentre = position - QPointF(200, 200);
                QVERIFY(qMax(qAbs(fromCentre.x()), qAbs(fromCentre.y())) <= bound); // NaN fails
            }
        }
        window.replot();
        window.findChild<QCheckBox *>("trailModeCheckBox")->setChecked(true);
        QCOMPARE(field->snapshot().size(), QSize(400, 400));
    }
};

QTEST_MAIN(HardeningTest)
#include "tst_hardening.moc"
