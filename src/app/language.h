#ifndef VANDREL_LANGUAGE_H
#define VANDREL_LANGUAGE_H

#include <QLocale>
#include <QObject>
#include <QTranslator>

#include <optional>

// The interface language: the program's own translation table and Qt's (for
// the file dialog and the message boxes), installed together. Changing them
// makes Qt send every window a LanguageChange event, so everything open
// follows at once. Russian unless the user or an English desktop says otherwise.
class Language : public QObject
{
    Q_OBJECT

public:
    enum class Code { Russian, English };

    explicit Language(QObject *parent = nullptr);

    Code current() const { return code; }
    // The other language's own name, for the button that switches to it.
    QString otherLanguageName() const;

    void use(Code language);

    // Its name on the command line and in the settings, and back.
    static QString nameOf(Code language);
    static std::optional<Code> fromName(const QString &name);
    // The language chosen in the last switch of any earlier run, if any was.
    static std::optional<Code> remembered();
    // The language to start in: the one --lang asks for, else the remembered
    // one, else English on a desktop that speaks English and Russian on any other.
    static Code forStart(std::optional<Code> asked, const QLocale &desktop = QLocale::system());

public slots:
    // The user's switch, remembered for the next start.
    void switchToOther();

private:
    Code code = Code::English; // the source texts, until use() installs a table
    QTranslator programTable;
    QTranslator qtTable;
};

#endif
