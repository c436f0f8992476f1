#include "introb.h"
#include "language.h"
#include "modalanswers.h"
#include "window.h"

#include <QtTest>
#include <QtWidgets>
#include <qcustomplot.h>

// Where every control shows its text, by object name, across the open windows.
static QString textOf(const QString &objectName)
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->objectName() != objectName)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            return button->text();
        return widget->windowTitle();
    }
    return QString();
}

static Introb *theMenu()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<Introb *>(top))
            return menu;
    }
    return nullptr;
}

static QByteArray electronBits(const GasModel &model)
{
    const QVector<QPointF> &positions = model.electronPositions();
    return QByteArray(reinterpret_cast<const char *>(positions.data()),
                      positions.size() * int(sizeof(QPointF)));
}

// The menu alone, then with the main window it leads to and closes.
class MenuTest : public QObject
{
    Q_OBJECT
    QVector<bool> menuHidden; // at each close request of the menu or close event of the window
    Introb *menu = nullptr;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            menuHidden << menu->isHidden();
        return false;
    }
    static void click(QWidget *w, const char *n) { w->findChild<QPushButton *>(n)->click(); }
private slots:
    void initTestCase()
    {
        // The remembered language goes to a test folder, not the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("vandrel");
        QCoreApplication::setApplicationName("vandrel");
        QSettings().clear();
    }
    // Only leaving hides it; the dialogs are modeless, unwrapped and come back as themselves.
    void menuAlone()
    {
        QPointer<Introb> intro = new Introb;
        connect(intro, &Introb::closeMW, this, [&] { menuHidden << intro->isHidden(); });
        const auto shown = [&] {
            QList<QDialog *> dialogs = intro->findChildren<QDialog *>();
            return dialogs.removeIf([](QDialog *d) { return d->isHidden(); }), dialogs;
        };
        intro->showFullScreen();
        QTest::keyClick(intro, Qt::Key_Return); // other keys do nothing
        click(intro, "infoButton"), click(intro, "authorsButton");
        const QList<QDialog *> dialogs = shown();
        QVERIFY(dialogs.size() == 2 && intro->isVisible() && !QApplication::activeModalWidget());
        for (QDialog *dialog : dialogs) {
            const QLabel *label = dialog->findChild<QLabel *>("label");
            dialog->resize(100, 50);
            const int longest =
                label->fontMetrics().boundingRect(QRect(), 0, label->text()).width();
            QVERIFY(!dialog->isModal() && longest > 0 && label->width() >= longest);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }
        QVERIFY(shown().isEmpty());
        click(intro, "infoButton"), click(intro, "authorsButton");
        QCOMPARE(shown(), dialogs);
        for (QDialog *dialog : dialogs)
            QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(shown().isEmpty());
        intro->windowHandle()->close(); // by the window system
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(intro && intro->isHidden() && menuHidden.isEmpty());
        intro->show();
        QTest::keyClick(intro, Qt::Key_Escape);
        QCOMPARE(menuHidden, QVector<bool>{true});
        delete intro;
    }
    // At its own size where the screen has room; elsewhere within the screen, OK in reach, the
    // lines wrapped where they would not fit and the rest scrolling.
    void guideFitsTheScreen()
    {
        Introb menu;
        menu.showFullScreen();
        click(&menu, "infoButton");
        auto *guide = menu.findChild<QDialog *>("DescDialog");
        QVERIFY(QTest::qWaitForWindowExposed(guide));
        const QRect screen = guide->screen()->availableGeometry();
        const QLabel *text = guide->findChild<QLabel *>("label");
        const int longestLine = text->fontMetrics().boundingRect(QRect(), 0, text->text()).width();
        const bool labScreen = screen.width() >= 1280;
        QCOMPARE(guide->width() == 1047, labScreen);
        QVERIFY(text->width() >= longestLine || (!labScreen && text->wordWrap()));
        QVERIFY(screen.contains(guide->geometry()));
        const QWidget *ok = guide->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
    }
    // The corner button retells every open window at once, in Qt's own texts too, and nothing
    // else: the demonstration runs on as it was. The choice is there at the next start.
    void languageSwitchesLive()
    {
        QCOMPARE(Language::remembered(), Language::Code::Russian);
        Language language;
        language.use(Language::remembered());
        Window window;
        window.setLanguage(&language);
        window.showFullScreen();
        window.showIntro();
        window.findChild<QSpinBox *>("numberBox")->setValue(20);
        click(&window, "togglePlayButton");
        QTimer *timer = window.findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        for (int tick = 0; tick < 5; ++tick)
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        click(theMenu(), "infoButton");
        const QByteArray electrons = electronBits(window.gasModel());
        const int plotted = window.findChild<QCustomPlot *>()->graph(0)->dataCount();

        const QStringList controls{"goButton", "DescDialog", "togglePlayButton", "backButton",
                                   "languageButton"};
        const QStringList russian{"Демонстрация", "Руководство пользователя", "Приостановить",
                                  "В главное меню", "English"};
        const QStringList english{"Demonstration", "User Guide", "Pause", "Main Menu", "Русский"};
        const auto shownTexts = [&] {
            // Only the posted language change, not a timer tick.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QStringList texts;
            for (const QString &control : controls)
                texts << textOf(control);
            return texts;
        };
        QCOMPARE(shownTexts(), russian);
        const QWidget *corner = theMenu()->findChild<QWidget *>("languageButton");
        QCOMPARE(theMenu()->childAt(corner->geometry().center()), corner); // nothing covers it
        click(theMenu(), "languageButton");
        QCOMPARE(shownTexts(), english);
        click(theMenu(), "languageButton");
        QCOMPARE(shownTexts(), russian);
        click(theMenu(), "languageButton");
        QCOMPARE(shownTexts(), english);

        QVERIFY(timer->isActive());
        QCOMPARE(electronBits(window.gasModel()), electrons);
        QCOMPARE(window.findChild<QCustomPlot *>()->graph(0)->dataCount(), plotted);
        QCOMPARE(Language::remembered(), Language::Code::English);
        QSettings().clear();
    }
    // Qt's own dialogs and buttons speak the program's language.
    void qtDialogsInRussian()
    {
        Language language;
        language.use(Language::Code::Russian);
        Window window;
        QTemporaryDir dir;
        const QString existing = dir.filePath("shot.png");
        QVERIFY(window.saveTo(existing));
        const auto russianFileDialog = [&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), "Сохранить снимок");
            QCOMPARE(dialog->labelText(QFileDialog::Reject), "Отмена");
            QCOMPARE(dialog->nameFilters(),
                     QStringList({"Изображения PNG (*.png)", "Данные CSV (*.csv)"}));
            dialog->selectFile(existing);
            static_cast<QDialog *>(dialog)->accept();
        };
        const auto russianQuestion = [](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            QCOMPARE(box->button(QMessageBox::Yes)->text().remove('&'), "Да");
            QCOMPARE(box->button(QMessageBox::No)->text().remove('&'), "Нет");
            box->button(QMessageBox::No)->click();
        };
        ModalAnswers answers({russianFileDialog, russianQuestion, cancelFileDialog()});
        window.saveShot();
        QVERIFY(answers.allUsedAsExpected());
    }
    void languageAtStart_data()
    {
        QTest::addColumn<QString>("asked"); // empty: no --lang
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("started");
        QTest::addColumn<bool>("complaint");
        QTest::newRow("nothing chosen yet") << ""
                                            << ""
                                            << "ru" << false;
        QTest::newRow("remembered") << ""
                                    << "en"
                                    << "en" << false;
        QTest::newRow("--lang overrides") << "ru"
                                          << "en"
                                          << "ru" << false;
        QTest::newRow("--lang unknown") << "de"
                                        << "en"
                                        << "en" << true;
    }
    void languageAtStart()
    {
        QFETCH(QString, asked);
        QFETCH(QString, remembered);
        QFETCH(QString, started);
        QFETCH(bool, complaint);
        QSettings().setValue("language", remembered);
        QString told;
        const std::optional<QString> option =
            asked.isEmpty() ? std::nullopt : std::optional<QString>(asked);
        QCOMPARE(Language::nameOf(Language::forStart(option, &told)), started);
        QCOMPARE(!told.isEmpty(), complaint);
        if (complaint)
            QCOMPARE(told, "--lang: 'de' is not a language of the program; accepted: en, ru");
        QSettings().clear();
    }
    // The real program tells one line about a bad --lang, and starts all the same.
    void programToldOfABadLanguage()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setReadChannel(QProcess::StandardError);
        program.start(VANDREL_PROGRAM, {"--lang", "de"});
        QByteArray told;
        while (!told.contains("--lang") && program.waitForReadyRead(10000))
            told += program.readAllStandardError();
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
        const QByteArray expected =
            "vandrel: --lang: 'de' is not a language of the program; accepted: en, ru\n";
        QVERIFY2(told.contains(expected), told);
        QCOMPARE(told.count("--lang"), 1);
    }
    // Going to the demonstration and back never disturbs it; Exit closes the menu, then the window.
    void demonstration()
    {
        Window window;
        window.showFullScreen();
        window.showIntro();
        for (QWidget *top : QApplication::topLevelWidgets())
            menu = qobject_cast<Introb *>(top) ? qobject_cast<Introb *>(top) : menu;
        const QTimer *timer = window.findChild<QTimer *>();
        window.findChild<QSpinBox *>("numberBox")->setValue(7);
        click(menu, "goButton");
        QVERIFY(menu->isHidden());
        click(&window, "togglePlayButton");
        click(&window, "backButton");
        QVERIFY(menu->isVisible() && menu->isFullScreen() && timer->isActive());
        click(menu, "goButton");
        QCOMPARE(window.findChild<QPushButton *>("togglePlayButton")->text(), "Pause");
        QVERIFY(menu->isHidden() && timer->isActive() && window.gasModel().number() == 7);
        window.installEventFilter(this);
        menuHidden.clear();
        QTest::keyClick(&window, Qt::Key_A); // other keys do nothing
        click(&window, "backButton");
        click(menu, "exitButton");
        QVERIFY(window.isHidden() && menuHidden == QVector<bool>{true});
        window.show(); // and Escape closes the main window
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isHidden() && menuHidden.size() == 2);
    }
};

QTEST_MAIN(MenuTest)
#include "tst_demonstration.moc"
