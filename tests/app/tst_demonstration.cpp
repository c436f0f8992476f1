#include "introb.h"
#include "language.h"
#include "startarguments.h"
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
    // At its own size where the screen has room; elsewhere within the screen, so that OK stays in
    // reach, the lines wrapped where they would not fit and the rest scrolling.
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
    }
    // Going to the demonstration and back never disturbs it, nor does the corner button, which
    // retells every open window at once, Qt's own texts and the read-out's numbers too; the
    // choice is there at the next start. Exit closes the menu, then the window.
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
        window.findChild<Widget *>()->animate();
        window.findChild<QRadioButton *>("plotDensityButton")->click();
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
        // The read-out too, numbers as the boxes write them, though nothing moved.
        const QLabel *readout = window.findChild<QLabel *>("readoutLabel");
        const QRegularExpression russianReadout(
            "^Отрезок\u00a01:\u00a0\\d+,\\d+\u00a0±\u00a0\\d+,\\d+$");
        QVERIFY2(russianReadout.match(readout->text()).hasMatch(), qPrintable(readout->text()));
        QWidget *corner = menu->findChild<QWidget *>("languageButton");
        QCOMPARE(menu->childAt(corner->geometry().center()), corner); // nothing covers it
        click(menu, "languageButton");
        QCOMPARE(shownTexts(),
                 QStringList({"User Guide", "Cancel", "Pause", "Main Menu", "Русский"}));
        const QRegularExpression englishReadout(
            "^Strip\u00a01:\u00a0\\d+\\.\\d+\u00a0±\u00a0\\d+\\.\\d+$");
        QVERIFY2(englishReadout.match(readout->text()).hasMatch(), qPrintable(readout->text()));
        QCOMPARE(window.findChild<QCustomPlot *>()->graph(0)->name(), "measured");
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
    // A lesson saved from the window starts the program in the demonstration.
    void startedWithALesson()
    {
        QTemporaryDir folder;
        const QString lessonFile = folder.filePath("gap.vandrel");
        {
            Window teacher;
            teacher.findChild<QSpinBox *>("numberBox")->setValue(20);
            QCOMPARE(teacher.saveTo(lessonFile), QString());
        }
        Window window;
        showAtStart(window, readStartArguments({"vandrel", lessonFile}));
        QCoreApplication::processEvents();
        QVERIFY(window.isFullScreen());
        QVERIFY(theMenu()->isHidden());
        QCOMPARE(window.gasModel().number(), 20);
    }
    void lectureView_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Russian") << "ru";
    }
    // The usual view fits a 1024 x 768 projector, its plot tall enough for the longest label.
    // F11 shows the field at least 500 pixels tall, the plot beside it; a click places an
    // electron on the model pixel it shows. Escape leaves it and brings back every control
    // where it was, as large and in the same type, and the keyboard to the box that had it.
    void lectureView()
    {
        QFETCH(QString, language);
        Language shown;
        shown.use(*Language::fromName(language));
        Window window;
        window.showFullScreen();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QRadioButton *>("plotMeanFreePathButton")->click();
        const QSize screen = window.screen()->size();
        QCOMPARE(screen.expandedTo(window.minimumSizeHint()), screen);
        const QCustomPlot *usualPlot = window.findChild<QCustomPlot *>();
        const QCPAxis *vertical = usualPlot->yAxis;
        QVERIFY(usualPlot->height() >= 150);
        QVERIFY(usualPlot->axisRect()->height() >=
                QFontMetrics(vertical->labelFont()).horizontalAdvance(vertical->label()));
        const QStringList usual = layoutOf(&window);
        auto *sideBox = window.findChild<QSpinBox *>("sideBox");
        sideBox->setFocus();
        QTest::keyClick(&window, Qt::Key_F11);
        auto *field = window.findChild<Widget *>();
        const QWidget *plot = window.findChild<QCustomPlot *>();
        QVERIFY(field->height() >= 500);
        QVERIFY(plot->mapTo(&window, QPoint()).x() > field->mapTo(&window, QPoint()).x() + 500);
        QVERIFY(window.findChild<QWidget *>("sideBox")->isHidden());
        QVERIFY(window.findChild<QWidget *>("numberBox")->isVisible());
        const double scale = field->width() / 400.0;
        QTest::mouseClick(field, Qt::LeftButton, {},
                          QPoint(qRound(100 * scale), qRound(201 * scale)));
        QCOMPARE(window.gasModel().electronPositions(), QVector<QPointF>{QPointF(100, 201)});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(layoutOf(&window), usual);
        QCOMPARE(QApplication::focusWidget(), sideBox);
    }
    void languageAtStart_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("desktop"); // the desktop's locale
        QTest::addColumn<QString>("started"); // with no --lang
        QTest::newRow("first start, English desktop") << ""
                                                      << "en_GB"
                                                      << "en";
        QTest::newRow("first start, no locale") << ""
                                                << "C"
                                                << "ru";
        QTest::newRow("remembered over the desktop") << "ru"
                                                     << "en_US"
                                                     << "ru";
    }
    void languageAtStart()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, desktop);
        QFETCH(QString, started);
        QSettings().setValue("language", remembered);
        QCOMPARE(Language::nameOf(Language::forStart(std::nullopt, QLocale(desktop))), started);
        QSettings().clear();
    }
    void commandLine_data()
    {
        QTest::addColumn<QString>("arguments");
        // What starts ("lesson FILE in LANGUAGE"), or the line a mistake is told in.
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Qt's options pass, one lesson")
            << "-platform offscreen -style=Fusion -reverse --enlarged --lang en gap.vandrel"
            << "lesson gap.vandrel in en";
        QTest::newRow("unknown option") << "--bogus"
                                        << "vandrel: Unknown option 'bogus'. See vandrel --help.";
        QTest::newRow("bad language")
            << "--lang xx"
            << "vandrel: --lang: 'xx' is not a language of the program; accepted: en, ru";
        QTest::newRow("two lessons")
            << "a.vandrel b.vandrel"
            << "vandrel: unexpected argument 'b.vandrel'; accepted: one lesson file";
    }
    // A mistake is told in one line with exit status 2 before a display is needed: the real
    // program, with none to be had, says the same.
    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, outcome);
        const QStringList list = arguments.split(' ');
        const StartArguments start = readStartArguments(QStringList{"vandrel"} + list);
        if (outcome.startsWith("lesson")) {
            QCOMPARE(start.action, StartArguments::Action::Start);
            const QString language = start.language ? Language::nameOf(*start.language) : "";
            QCOMPARE("lesson " + start.lesson + " in " + language, outcome);
            QVERIFY(start.enlarged);
            return;
        }
        QCOMPARE(start.action, StartArguments::Action::Reject);
        QCOMPARE("vandrel: " + start.message, outcome);
        QProcess program;
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            noDisplay.remove(variable);
        program.setProcessEnvironment(noDisplay);
        program.start(VANDREL_PROGRAM, list);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardError(), (outcome + '\n').toUtf8());
    }
};

QTEST_MAIN(MenuTest)
#include "tst_demonstration.moc"
