#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace {
const QString settingsKey = QStringLiteral("language");
} // namespace

Language::Language(QObject *parent) : QObject(parent) {}

QString Language::otherLanguageName() const
{
    // Each language is named in itself, whatever the interface shows.
    return code == Code::Russian ? QStringLiteral("English") : QStringLiteral("Русский");
}

void Language::use(Code language)
{
    QCoreApplication::removeTranslator(&programTable);
    QCoreApplication::removeTranslator(&qtTable);
    code = language;
    // Numbers follow the language too: a decimal comma in Russian, a point in English.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(
        language == Code::Russian ? russian : QLocale(QLocale::English, QLocale::UnitedStates));
    if (language == Code::English)
        return; // the source texts are English
    // A missing table leaves those texts in English; nothing else goes wrong.
    if (qtTable.load(russian, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTable);
    if (programTable.load(QStringLiteral("vandrel_ru"), QStringLiteral(":/resources/translations")))
        QCoreApplication::installTranslator(&programTable);
}

QString Language::nameOf(Code language)
{
    return language == Code::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

std::optional<Language::Code> Language::fromName(const QString &name)
{
    for (Code language : {Code::Russian, Code::English}) {
        if (name == nameOf(language))
            return language;
    }
    return std::nullopt;
}

std::optional<Language::Code> Language::remembered()
{
    return fromName(QSettings().value(settingsKey).toString());
}

Language::Code Language::forStart(std::optional<Code> asked, const QLocale &desktop)
{
    if (asked)
        return *asked;
    if (const std::optional<Code> language = remembered())
        return *language;
    // The desktop's first interface language (LANGUAGE, else LC_ALL, LC_MESSAGES or LANG);
    // "C", no locale at all or any other language starts the lesson in Russian.
    const QStringList desktopLanguages = desktop.uiLanguages();
    const bool english = !desktopLanguages.isEmpty() &&
                         QLocale(desktopLanguages.first()).language() == QLocale::English;
    return english ? Code::English : Code::Russian;
}

void Language::switchToOther()
{
    use(code == Code::Russian ? Code::English : Code::Russian);
    QSettings().setValue(settingsKey, nameOf(code));
}
