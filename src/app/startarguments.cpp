#include "startarguments.h"

#include "window.h"

#include <QCommandLineParser>
#include <QTimer>

namespace {
// Qt's own options, which the application object takes off the command line later: those of
// Qt GUI, its X11 platform and Qt Widgets.
const char qtOptionsWithValue[] =
    "platform platformpluginpath platformtheme plugin qwindowgeometry "
    "geometry qwindowicon icon qwindowtitle title session display "
    "name visual style stylesheet qmljsdebugger";
const char qtSwitches[] = "reverse testability nograb dograb widgetcount";

const QString programName = QStringLiteral("vandrel");
} // namespace

StartArguments readStartArguments(const QStringList &arguments)
{
    StartArguments start;
    QCommandLineParser parser;
    // "-reverse", one of Qt's own, is not a bundle of -r, -e, -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("An interactive demonstration of the Vandrel model gas."));
    // Qt's own help option would add --help-all, for a list of Qt's options it cannot show here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("Interface language for this start: en or ru (default: the one chosen "
                       "last on the menu, else en on an English desktop and ru otherwise)."),
        QStringLiteral("code"));
    const QCommandLineOption enlarged(
        QStringLiteral("enlarged"),
        QStringLiteral("Enlarge the whole program for a projector: by 2, 1.75, 1.5 or 1.25, the "
                       "largest at which the window and the menu fit the screen with every control "
                       "at its full size; where none does, open the demonstration in the lecture "
                       "view, the field and the plot as large as the screen allows. "
                       "QT_SCALE_FACTOR, when set, wins."));
    parser.addOption(language);
    parser.addOption(enlarged);
    for (const char *names : {qtOptionsWithValue, qtSwitches}) {
        const bool takesValue = names == qtOptionsWithValue;
        for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
            QCommandLineOption option(name, QString(), takesValue ? name : QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
    parser.addPositionalArgument(
        QStringLiteral("lesson"),
        QStringLiteral("A lesson saved by the program (*.vandrel), to start in the demonstration "
                       "with its settings and electrons instead of on the menu."),
        QStringLiteral("[lesson]"));

    const auto reject = [&start](const QString &message) {
        start.action = StartArguments::Action::Reject;
        start.message = message;
        return start;
    };
    if (!parser.parse(arguments))
        return reject(parser.errorText() + QStringLiteral(" See %1 --help.").arg(programName));
    if (parser.isSet(help) || parser.isSet(version)) {
        start.action = StartArguments::Action::ShowText;
        // Without an application object Qt cannot name the program itself.
        start.message = parser.isSet(help)
                            ? parser.helpText()
                                      .replace(QStringLiteral("<executable_name>"), programName)
                                      .trimmed() +
                                  QLatin1Char('\n')
                            : QStringLiteral("%1 %2\n").arg(programName,
                                                            QCoreApplication::applicationVersion());
        return start;
    }
    if (parser.isSet(language)) {
        start.language = Language::fromName(parser.value(language));
        if (!start.language)
            return reject(
                QStringLiteral("--lang: '%1' is not a language of the program; accepted: %2, %3")
                    .arg(parser.value(language), Language::nameOf(Language::Code::English),
                         Language::nameOf(Language::Code::Russian)));
    }
    const QStringList lessons = parser.positionalArguments();
    if (lessons.size() > 1)
        return reject(
            QStringLiteral("unexpected argument '%1'; accepted: one lesson file").arg(lessons[1]));
    start.lesson = lessons.value(0);
    start.enlarged = parser.isSet(enlarged);
    return start;
}

void showAtStart(Window &window, const StartArguments &start)
{
    window.showFullScreen();
    if (start.lesson.isEmpty()) {
        window.showIntro();
        return;
    }
    // Once the window is up, so that a message about a bad file stands over it.
    QTimer::singleShot(0, &window, [&window, lesson = start.lesson] { window.openLesson(lesson); });
}
