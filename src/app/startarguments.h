#ifndef VANDREL_STARTARGUMENTS_H
#define VANDREL_STARTARGUMENTS_H

#include "language.h"

#include <QStringList>

#include <optional>

class Window;

// What the command line asks of this start, read before any application object exists, so
// that help, the version and mistakes need no display.
struct StartArguments
{
    enum class Action { Start, ShowText, Reject };
    Action action = Action::Start;
    // ShowText: the help or version text for stdout. Reject: one line telling the mistake,
    // without the program's name and the newline.
    QString message;
    bool enlarged = false;
    std::optional<Language::Code> language;
    QString lesson; // a lesson file to start with; empty: the menu
};

// Reads the arguments, the program's name first. Qt's own options (-platform, -style, ...)
// pass for the application object to take; one argument besides the options is a lesson.
StartArguments readStartArguments(const QStringList &arguments);

// Shows the window full screen with the menu over it, or straight in the demonstration with
// the lesson asked for, a bad one told in a message box.
void showAtStart(Window &window, const StartArguments &start);

#endif
