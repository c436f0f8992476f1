#include "window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

namespace {
struct Text
{
    const char *object;
    const char *english;
    const char *russian;
};

// Every text of the main window; the title is the window's own object name.
const Text windowTexts[] = {
    {"Window", "Physics", "Physics"},
    {"settingsBox", "Settings", "Настройки"},
    {"pointsLabel", "Electrons:", "Электроны:"},
    {"pointsDescriptionLabel",
     "<i>Click on the field to add an electron, then drag the cursor to set the direction vector "
     "or just click to use default direction.</i>",
     "<i>Нажмите на поле с атомами чтобы добавить электрон, проведите курсором по полю, чтобы "
     "задать направление.<i>"},
    {"sideLabel", "Side:", "Расстояние:"},
    {"atomRadLabel", "Atom Radius:", "Радиус атома:"},
    {"electronRadLabel", "Electron Radius:", "Радиус электрона:"},
    {"speedLabel", "Speed:", "Скорость:"},
    {"defDirLabel", "Default direction (°):", "Направление (°)"},
    {"randomDefDirBox", "Random default direction", "Выбирать направление случайно"},
    {"probabilitySettingsBox", "Probability Estimation", "Оценка плотности"},
    {"binsLabel", "Bins:", "Отрезки:"},
    {"binIndexLabel", "Bin to estimate P:", "Индекс отрезка:"},
    {"showBinsBox", "Show bins", "Показать разбиение на отрезки"},
    {"plotProbabilityButton", "Probability", "Вероятность"},
    {"plotPressureButton", "Pressure", "Давление"},
    {"plotDensityButton", "Density", "Плотность"},
    {"backButton", "В главное меню", "В главное меню"},
    {"controlBox", "Control", "Управление"},
    {"togglePlayButton", "Play", "Запуск"},
    {"clearButton", "Clear", "Очистить"},
    {"saveButton", "Save", "Сохранить"},
    {"trailModeCheckBox", "Trail mode", "Показать траектории"},
};

QString shownText(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    return widget->windowTitle();
}
} // namespace

class WindowTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void pauseText_data();
    void pauseText();

private:
    // Loads the table the way start-up does; the translator uninstalls itself
    // when it goes out of scope.
    void installRussian(QTranslator &translator)
    {
        QVERIFY(translator.load(QStringLiteral("vandrel_ru"),
                                QStringLiteral(":/resources/translations")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
};

void WindowTextsTest::texts_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("expected");
    for (const Text &text : windowTexts) {
        QTest::addRow("ru %s", text.object)
            << true << text.object << QString::fromUtf8(text.russian);
        QTest::addRow("en %s", text.object)
            << false << text.object << QString::fromUtf8(text.english);
    }
}

void WindowTextsTest::texts()
{
    QFETCH(bool, russian);
    QFETCH(QString, object);
    QFETCH(QString, expected);

    QTranslator translator;
    if (russian)
        installRussian(translator);
    Window window(nullptr);
    const QWidget *widget =
        object == window.objectName() ? &window : window.findChild<QWidget *>(object);
    QVERIFY(widget);
    QCOMPARE(shownText(widget), expected);
}

void WindowTextsTest::pauseText_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("pause");
    QTest::addColumn<QString>("play");
    QTest::newRow("russian") << true << "Приостановить"
                             << "Запуск";
    QTest::newRow("english") << false << "Pause"
                             << "Play";
}

void WindowTextsTest::pauseText()
{
    QFETCH(bool, russian);
    QFETCH(QString, pause);
    QFETCH(QString, play);

    QTranslator translator;
    if (russian)
        installRussian(translator);
    Window window(nullptr);
    auto *toggle = window.findChild<QAbstractButton *>(QStringLiteral("togglePlayButton"));
    toggle->click();
    QCOMPARE(toggle->text(), pause);
    toggle->click();
    QCOMPARE(toggle->text(), play);
}

QTEST_MAIN(WindowTextsTest)
#include "tst_windowtexts.moc"
