#include "enlargement.h"
#include "language.h"
#include "startarguments.h"
#include "window.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include <cstdio>
#include <optional>
#include <vector>

namespace {
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
                            const std::optional<Language::Code> &askedLanguage)
{
    CommandLineCopy copy = commandLine;
    QApplication measuring(copy.argc, copy.argv.data());
    Language language;
    language.use(Language::forStart(askedLanguage));
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

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char *argv[])
{
    // Where the remembered language is kept: ~/.config/vandrel/vandrel.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("vandrel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vandrelgas.org"));
    QCoreApplication::setApplicationName(QStringLiteral("vandrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANDREL_VERSION));

    const StartArguments start = readStartArguments(argumentList(argc, argv));
    switch (start.action) {
    case StartArguments::Action::Reject:
        std::fprintf(stderr, "vandrel: %s\n", qPrintable(start.message));
        return 2;
    case StartArguments::Action::ShowText:
        std::fputs(qPrintable(start.message), stdout);
        return 0;
    case StartArguments::Action::Start:
        break;
    }
    // Qt reads the scale factor when the application object is made. Where
    // the whole window does not fit enlarged, the lecture view enlarges what
    // the room must see.
    const CommandLineCopy commandLine(argc, argv);
    bool lectureView = false;
    if (start.enlarged && !qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        const double factor = enlargementForScreen(commandLine, start.language);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
        lectureView = factor == 1;
    }

    QApplication app(argc, argv);
    // Installed before any window exists, so the forms are built in it.
    Language language;
    language.use(Language::forStart(start.language));

    Window window;
    window.setLanguage(&language);
    window.setLectureView(lectureView);
    showAtStart(window, start);
    return app.exec();
}
