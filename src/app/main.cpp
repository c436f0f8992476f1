#include "enlargement.h"
#include "language.h"
#include "window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QScreen>

#include <cstdio>
#include <optional>
#include <vector>

namespace {
// The program's own options. Qt's (-platform, -style, ...) are taken off the
// command line by the application object.
struct Options
{
    QCommandLineParser parser;
    const QCommandLineOption language{
        QStringLiteral("lang"),
        QStringLiteral("Interface language for this start: en or ru (default: the one chosen "
                       "last on the menu, else en on an English desktop and ru otherwise)."),
        QStringLiteral("code")};
    const QCommandLineOption enlarged{
        QStringLiteral("enlarged"),
        QStringLiteral("Enlarge the whole program for a projector: by 2, 1.75, 1.5 or 1.25, the "
                       "largest at which the window and the menu fit the screen with every control "
                       "at its full size; where none does, open the demonstration in the lecture "
                       "view, the field and the plot as large as the screen allows. "
                       "QT_SCALE_FACTOR, when set, wins.")};

    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("An interactive demonstration of the Vandrel model gas."));
        // "-reverse", one of Qt's own, is not a bundle of -r, -e, -v ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(language);
        parser.addOption(enlarged);
    }

    // False, with the reason in errorText(), for anything it does not know.
    bool read() { return parser.parse(QCoreApplication::arguments()); }
    std::optional<QString> askedLanguage() const
    {
        return parser.isSet(language) ? std::optional(parser.value(language)) : std::nullopt;
    }
};

// A copy of the command line for an application object that lives only for
// a while: each takes Qt's options out of the one it is given.
struct CommandLineCopy
{
    int argc;
    std::vector<char *> argv;

    CommandLineCopy(int argc, char **argv) : argc(argc), argv(argv, argv + argc + 1) {}
};

// The factor the enlarged start uses on the screen the windows open on. The
// windows are built at scale 1 in this start's language and measured; the
// application object that shows them cannot change its scale afterwards, so
// this one goes again before the real one is made.
double enlargementForScreen(const CommandLineCopy &commandLine,
                            const std::optional<QString> &askedLanguage)
{
    CommandLineCopy copy = commandLine;
    QApplication measuring(copy.argc, copy.argv.data());
    QString complaint; // told by the real start
    Language language;
    language.use(Language::forStart(askedLanguage, &complaint));
    Window window;
    window.setLanguage(&language);
    QList<const QWidget *> windows;
    for (const QWidget *top : QApplication::topLevelWidgets()) {
        // The dialogs fit themselves to the screen.
        if (!qobject_cast<const QDialog *>(top))
            windows << top;
    }
    return Enlargement::largestFitting(windows, window.screen()->availableGeometry().size());
}
} // namespace

int main(int argc, char *argv[])
{
    // Where the remembered language is kept: ~/.config/vandrel/vandrel.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("vandrel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vandrelgas.org"));
    QCoreApplication::setApplicationName(QStringLiteral("vandrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANDREL_VERSION));

    const CommandLineCopy commandLine(argc, argv);
    bool enlarge = false;
    std::optional<QString> askedLanguage;
    {
        // Help and version are answered before the window system is reached,
        // so they need no display. Qt's options are still on the command
        // line here; mistakes are told once they have been taken off.
        CommandLineCopy copy = commandLine;
        const QCoreApplication console(copy.argc, copy.argv.data());
        Options options;
        options.read();
        if (options.parser.isSet(QStringLiteral("help")))
            options.parser.showHelp();
        if (options.parser.isSet(QStringLiteral("version")))
            options.parser.showVersion();
        enlarge = options.parser.isSet(options.enlarged);
        askedLanguage = options.askedLanguage();
    }
    // Qt reads the scale factor when the application object is made. Where
    // the whole window does not fit enlarged, the lecture view enlarges what
    // the room must see.
    bool lectureView = false;
    if (enlarge && !qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        const double factor = enlargementForScreen(commandLine, askedLanguage);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        lectureView = factor == 1;
    }

    QApplication app(argc, argv);
    Options options;
    // A lesson starts whatever else the command line holds; a mistake is only told.
    if (!options.read())
        std::fprintf(stderr, "vandrel: %s\n", qPrintable(options.parser.errorText()));

    QString complaint;
    const Language::Code startLanguage = Language::forStart(options.askedLanguage(), &complaint);
    if (!complaint.isEmpty())
        std::fprintf(stderr, "vandrel: %s\n", qPrintable(complaint));

    // Installed before any window exists, so the forms are built in it.
    Language language;
    language.use(startLanguage);

    Window window;
    window.setLanguage(&language);
    window.setLectureView(lectureView);
    window.showFullScreen();
    window.showIntro();
    return app.exec();
}
