#include "introb.h"
#include "language.h"
#include "widget.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

static void click(QWidget *window, const char *button)
{
    window->findChild<QPushButton *>(button)->click();
}

static Introb *theMenu()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<Introb *>(top))
            return menu;
    }
    return nullptr;
}

// A button's text, wherever among the open windows it is.
static QString buttonText(const QString &objectName)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *button = top->findChild<QAbstractButton *>(objectName))
            return button->text();
    }
    return QString();
}

// Where every widget of a window is, how large, whether shown, in which type; the type of the
// plot's axes, and how small the window may become.
static QStringList layoutOf(const QWidget *window)
{
    QStringList layout;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        QDebug(&layout.emplaceBack()) << widget << widget->mapTo(window, QPoint()) << widget->size()
                                      << widget->isVisible() << widget->font();
    }
    const QCustomPlot *plot = window->findChild<QCustomPlot *>();
    for (const QCPAxis *axis : {plot->xAxis, plot->yAxis})
        QDebug(&layout.emplaceBack()) << axis->labelFont() << axis->tickLabelFont();
    QDebug(&layout.emplaceBack()) << window->minimumSize();
    return layout;
}

static QList<QDialog *> openDialogs(const Introb *menu)
{
    QList<QDialog *> dialogs = menu->findChildren<QDialog *>();
    dialogs.removeIf([](const QDialog *dialog) { return dialog->isHidden(); });
    return dialogs;
}

// The menu, its dialogs and the window behind it; the interface language.
class MenuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The remembered language goes to a test folder, not the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("vandrel");
        QCoreApplication::setApplicationName("vandrel");
        QSettings().clear();
    }
    // The dialogs are modeless, unwrapped and the same objects each time; only Escape and Exit
    // leave, the menu hidden before it asks the window to close.
    void menuAndDialogs()
    {
        Introb menu;
        QVector<bool> hiddenWhenAsking;
        connect(&menu, &Introb::closeMW, this, [&] { hiddenWhenAsking << menu.isHidden(); });
        menu.showFullScreen();
        QTest::keyClick(&menu, Qt::Key_F1);
        click(&menu, "authorsButton");
        const QList<QDialog *> dialogs = openDialogs(&menu);
        QCOMPARE(dialogs.size(), 2);
        for (QDialog *dialog : dialogs) {
            QVERIFY(!dialog->isModal());
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
        QVERIFY(openDialogs(&menu).isEmpty());
        click(&menu, "infoButton");
        click(&menu, "authorsButton");
        QCOMPARE(openDialogs(&menu), dialogs);
        menu.windowHandle()->close(); // by the window system: only hidden
        QVERIFY(menu.isHidden());
        QVERIFY(hiddenWhenAsking.isEmpty());
        menu.show();
        QTest::keyClick(&menu, Qt::Key_Escape);
        QCOMPARE(hiddenWhenAsking, QVector<bool>{true});
    }
    // At its own size where the screen has room, whole from a 1024 x 768 projector up; elsewhere
    // within the screen, so that OK stays in reach, the lines wrapped where they would not fit
    // and the rest scrolling.
    void guideFitsTheScreen()
    {
        Introb menu;
        menu.showFullScreen();
        click(&menu, "infoButton");
        auto *guide = menu.findChild<QDialog *>("DescDialog");
        QVERIFY(QTest::qWaitForWindowExposed(guide));
        const QRect screen = guide->screen()->availableGeometry();
        const QLabel *text = guide->findChild<QLabel *>("label");
        const int longestLine = text->fontMetrics().boundingRect({}, 0, text->text()).width();
        const bool labScreen = screen.width() >= 1280;
        QCOMPARE(guide->width() == 1047, labScreen);
        QVERIFY(text->width() >= longestLine || (!labScreen && text->wordWrap()));
        QVERIFY(screen.contains(guide->geometry()));
        const QScrollBar *scrolling = guide->findChild<QScrollArea *>()->verticalScrollBar();
        QVERIFY(screen.height() < 768 || !scrolling->isVisible());
    }
    // Going to the demonstration and back never disturbs it, nor does the corner button, which
    // retells every open window at once, Qt's own texts too; the choice is there at the next
    // start. Exit closes the menu, then the window.
    void demonstrationBehindTheMenu()
    {
        Language language;
        language.use(Language::Code::Russian);
        Window window;
        window.setLanguage(&language);
        window.showFullScreen();
        window.showIntro();
        Introb *menu = theMenu();
        const QTimer *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        click(menu, "goButton");
        QVERIFY(menu->isHidden());
        window.findChild<QSpinBox *>("numberBox")->setValue(20);
        click(&window, "togglePlayButton");
        click(&window, "backButton");
        QVERIFY(menu->isFullScreen());
        click(menu, "infoButton");
        const QVector<QPointF> electrons = window.gasModel().electronPositions();
        const QStringList controls{"togglePlayButton", "backButton", "languageButton"};
        const auto shownTexts = [&] {
            // Only the posted language change, not a timer tick.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QStringList texts{menu->findChild<QDialog *>("DescDialog")->windowTitle(),
                              QCoreApplication::translate("QPlatformTheme", "Cancel")};
            for (const QString &control : controls)
                texts << buttonText(control);
            return texts;
        };
        const QStringList russian{"Руководство пользователя", "Отмена", "Приостановить",
                                  "В главное меню", "English"};
        QCOMPARE(shownTexts(), russian);
        QWidget *corner = menu->findChild<QWidget *>("languageButton");
        QCOMPARE(menu->childAt(corner->geometry().center()), corner); // nothing covers it
        click(menu, "languageButton");
        QCOMPARE(shownTexts(),
                 QStringList({"User Guide", "Cancel", "Pause", "Main Menu", "Русский"}));
        QCOMPARE(Language::remembered(), std::optional(Language::Code::English));
        click(menu, "languageButton");
        QCOMPARE(shownTexts(), russian);
        QSettings().clear();
        QCOMPARE(window.gasModel().electronPositions(), electrons);
        click(menu, "goButton");
        QVERIFY(timer->isActive());
        click(&window, "backButton");
        click(menu, "exitButton");
        QVERIFY(menu->isHidden());
        QVERIFY(window.isHidden());
    }
    // F11 shows the field at least 500 pixels tall from a 1024 x 768 projector up, the plot
    // beside it; a click places an electron on the model pixel it shows. F11 again brings back
    // every control where it was, as large and in the same type.
    void lectureView()
    {
        Window window;
        window.showFullScreen();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList usual = layoutOf(&window);
        QTest::keyClick(&window, Qt::Key_F11);
        auto *field = window.findChild<Widget *>();
        const QWidget *plot = window.findChild<QCustomPlot *>();
        QVERIFY(field->height() >= 500);
        QVERIFY(plot->mapTo(&window, QPoint()).x() > field->mapTo(&window, QPoint()).x() + 500);
        QVERIFY(window.findChild<QWidget *>("settingsBox")->isHidden());
        const double scale = field->width() / 400.0;
        QTest::mouseClick(field, Qt::LeftButton, {},
                          QPoint(qRound(100 * scale), qRound(201 * scale)));
        QCOMPARE(window.gasModel().electronPositions(), QVector<QPointF>{QPointF(100, 201)});
        QTest::keyClick(&window, Qt::Key_F11);
        QCOMPARE(layoutOf(&window), usual);
    }
    void languageAtStart_data()
    {
        QTest::addColumn<QString>("asked"); // by --lang; empty: not given
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("desktop"); // the desktop's locale
        QTest::addColumn<QString>("started");
        QTest::newRow("first start, English desktop") << ""
                                                      << ""
                                                      << "en_GB"
                                                      << "en";
        QTest::newRow("first start, no locale") << ""
                                                << ""
                                                << "C"
                                                << "ru";
        QTest::newRow("remembered over the desktop") << ""
                                                     << "ru"
                                                     << "en_US"
                                                     << "ru";
        QTest::newRow("--lang for this start") << "ru"
                                               << "en"
                                               << "en_GB"
                                               << "ru";
        QTest::newRow("--lang unknown") << "de"
                                        << "en"
                                        << "ru_RU"
                                        << "en";
    }
    void languageAtStart()
    {
        QFETCH(QString, asked);
        QFETCH(QString, remembered);
        QFETCH(QString, desktop);
        QFETCH(QString, started);
        QSettings().setValue("language", remembered);
        QString complaint;
        const std::optional<QString> option =
            asked.isEmpty() ? std::nullopt : std::optional<QString>(asked);
        QCOMPARE(Language::nameOf(Language::forStart(option, &complaint, QLocale(desktop))),
                 started);
        QCOMPARE(complaint.isEmpty(), asked != "de");
        QSettings().clear();
    }
    // The real program tells one line about a bad --lang, and starts all the same.
    void programToldOfABadLanguage()
    {
        QProcess program;
        program.setReadChannel(QProcess::StandardError);
        program.start(VANDREL_PROGRAM, {"--lang", "de", "-platform", "offscreen"});
        QByteArray told;
        while (!told.contains("--lang") && program.waitForReadyRead(10000))
            told += program.readAllStandardError();
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
        QVERIFY2(told.contains("vandrel: --lang: 'de' is not a language of the program; "
                               "accepted: en, ru\n"),
                 told);
        QCOMPARE(told.count("--lang"), 1);
    }
};

QTEST_MAIN(MenuTest)
#include "tst_demonstration.moc"
