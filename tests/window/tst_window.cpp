#include "widget.h"
#include "window.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <qcustomplot.h>

#include <cstdlib>

class WindowTest : public QObject
{
    Q_OBJECT

    QScopedPointer<Window> window;
    QTimer *timer = nullptr;
    Widget *field = nullptr;

    QObject *control(const char *n) const { return window->findChild<QObject *>(n); }
    QVariant get(const char *n, const char *p = "value") const { return control(n)->property(p); }
    void set(const char *n, QVariant v, const char *p = "value") { control(n)->setProperty(p, v); }
    void click(const char *n) { qobject_cast<QAbstractButton *>(control(n))->click(); }
    const GasModel &model() const { return window->gasModel(); }
    QColor pixel(int x, int y) const { return field->grab().toImage().pixelColor(x, y); }
    QString state() const // whether the animation runs, and what the play button shows
    {
        return (timer->isActive() ? "running " : "stopped ") +
               get("togglePlayButton", "text").toString() +
               (get("togglePlayButton", "enabled").toBool() ? "" : " disabled");
    }

private slots:
    void init()
    {
        window.reset(new Window(nullptr));
        timer = window->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        field = window->findChild<Widget *>();
    }
    void startsStoppedWithTheFormDefaults_data()
    {
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QStringList>("texts"); // settingsBox, pointsLabel, Play, Pause
        QTest::newRow("english") << false << QStringList{"Settings", "Electrons:", "Play", "Pause"};
        QTest::newRow("russian") << true
                                 << QStringList{"Настройки", "Электроны:", "Запуск",
                                                "Приостановить"};
    }
    void startsStoppedWithTheFormDefaults()
    {
        QFETCH(bool, russian);
        QFETCH(QStringList, texts);
        QTranslator translator; // uninstalls itself at the end of the test
        QVERIFY(!russian || (translator.load("vandrel_ru", ":/resources/translations") &&
                             QCoreApplication::installTranslator(&translator)));
        init(); // the form sets its texts once, when it is built
        QCOMPARE(window->windowTitle(), QStringLiteral("Physics"));
        QCOMPARE(get("backButton", "text").toString(), QStringLiteral("В главное меню"));
        QCOMPARE(get("settingsBox", "title").toString(), texts[0]);
        QCOMPARE(get("pointsLabel", "text").toString(), texts[1]);
        QCOMPARE(state(), "stopped " + texts[2]);
        QCOMPARE(timer->interval(), 50);
        const QList<QPair<const char *, double>> values{
            {"numberBox", 0},  {"sideBox", 50},   {"atomRadBox", 10}, {"electronRadBox", 4},
            {"speedBox", 100}, {"defDirBox", 23}, {"binsBox", 3},     {"binIndexBox", 1}};
        for (const auto &[name, value] : values)
            QVERIFY2(get(name).toDouble() == value, name);
        QStringList checked; // of all check boxes and radio buttons
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isChecked())
                checked << button->objectName();
        QCOMPARE(checked, QStringList({"randomDefDirBox", "plotProbabilityButton"}));

        // The model holds what the form shows.
        QCOMPARE(model().binAccumulators().size(), 3);
        QCOMPARE(pixel(75, 75), QColor(Qt::black)); // an atom's centre at spacing 50
        QCOMPARE(pixel(50, 25), QColor(Qt::white));
        QCOMPARE(pixel(33, 25), QColor(Qt::black)); // atom radius 10
        std::srand(7);
        const double angle = (std::rand() % 360) * 0.017453292519943295;
        std::srand(7);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(model().electronDirections(), QVector<double>{angle}); // random directions
        QCOMPARE(pixel(52, 50), QColor(Qt::red));                       // electron radius 4
        QCOMPARE(pixel(55, 50), QColor(Qt::white));
        QCOMPARE(get("numberBox").toInt(), 1); // moved by numberChanged
        click("togglePlayButton");
        QCOMPARE(state(), "running " + texts[3]);

        // At its maximum the number box stays, without a change signal.
        set("numberBox", 500);
        QSignalSpy boxChanged(window->findChild<QSpinBox *>("numberBox"), &QSpinBox::valueChanged);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(model().number(), 501);
        QCOMPARE(get("numberBox").toInt(), 500);
        QCOMPARE(boxChanged.count(), 0);
    }
    void stateTransitions_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("trailMode");
        QTest::newRow("stopped") << false << false;
        QTest::newRow("running") << true << false;
        QTest::newRow("trail mode while stopped") << false << true;
        QTest::newRow("trail mode while running") << true << true;
    }
    void stateTransitions()
    {
        QFETCH(bool, running);
        QFETCH(bool, trailMode);
        set("binsBox", 5);
        set("numberBox", 6);
        click("togglePlayButton");
        for (int i = 0; i < 3; ++i) // timer ticks
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        if (!running)
            click("togglePlayButton");
        const QString shown = state();
        QCOMPARE(shown, running ? "running Pause" : "stopped Play");
        if (trailMode) {
            set("trailModeCheckBox", true, "checked"); // the disabled button keeps its text
            QCOMPARE(state(), "stopped " + shown.section(' ', 1) + " disabled");
            set("trailModeCheckBox", false, "checked");
            QCOMPARE(state(), shown);
            set("trailModeCheckBox", true, "checked");
        }

        click("clearButton");
        QCOMPARE(state(), "stopped Play");
        QCOMPARE(get("numberBox").toInt(), 0);
        QVERIFY(model().number() == 0 && model().timeData().isEmpty() &&
                model().elapsedPath() == 0);
        QCOMPARE(model().binAccumulators(), QVector<double>(5, 0.0)); // the settings stay
        const QCustomPlot *plot = window->findChild<QCustomPlot *>();
        QVERIFY(plot->graphCount() == 0 && plot->xAxis->range() == QCPRange(0, 1000) &&
                plot->yAxis->range() == QCPRange(0, 1));
        window->show(); // Escape closes the window, other keys do not
        QTest::keyClick(window.data(), Qt::Key_Q);
        QVERIFY(window->isVisible());
        QTest::keyClick(window.data(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
    void fewerBinsClampTheIndexFirst()
    {
        set("showBinsBox", true, "checked");
        set("binsBox", 5);
        set("binIndexBox", 5);
        QVector<int> stripsAtIndexChange; // in the field, which has taken the new index by then
        connect(window->findChild<QSpinBox *>("binIndexBox"), &QSpinBox::valueChanged, this,
                [&] { stripsAtIndexChange.append(model().binAccumulators().size()); });
        set("binsBox", 2);
        QCOMPARE(get("binIndexBox").toInt(), 2);
        QCOMPARE(stripsAtIndexChange, QVector<int>{5});
        QCOMPARE(model().binAccumulators().size(), 2);
        QCOMPARE(pixel(300, 50), QColor(Qt::cyan)); // y = 50 runs between the atoms
        set("binsBox", 10);                         // more strips leave the index alone
        QCOMPARE(get("binIndexBox", "maximum").toInt(), 10);
        QCOMPARE(pixel(50, 50), QColor(Qt::cyan)); // the second of ten strips
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
