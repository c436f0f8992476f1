#include "language.h"
#include "window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Where the remembered language is kept: ~/.config/vandrel/vandrel.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("vandrel"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vandrelgas.org"));
    QCoreApplication::setApplicationName(QStringLiteral("vandrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANDREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("An interactive demonstration of the Vandrel model gas."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption languageOption(
        QStringLiteral("lang"),
        QStringLiteral("Interface language for this start: en or ru (default: the one chosen "
                       "last on the menu, else ru)."),
        QStringLiteral("code"));
    parser.addOption(languageOption);
    // A lesson starts whatever else the command line holds; a mistake is only told.
    if (!parser.parse(QCoreApplication::arguments()))
        std::fprintf(stderr, "vandrel: %s\n", qPrintable(parser.errorText()));
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QString complaint;
    const std::optional<QString> asked =
        parser.isSet(languageOption) ? std::optional(parser.value(languageOption)) : std::nullopt;
    const Language::Code startLanguage = Language::forStart(asked, &complaint);
    if (!complaint.isEmpty())
        std::fprintf(stderr, "vandrel: %s\n", qPrintable(complaint));

    // Installed before any window exists, so the forms are built in it.
    Language language;
    language.use(startLanguage);

    Window window;
    window.setLanguage(&language);
    window.showFullScreen();
    window.showIntro();
    return app.exec();
}
