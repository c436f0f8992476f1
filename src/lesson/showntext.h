#ifndef VANDREL_SHOWNTEXT_H
#define VANDREL_SHOWNTEXT_H

#include <QString>

// Text from a file or a command line as a message or a terminal line shows it, the same in the
// window and the runner: control characters (C0, DEL, C1), line separators and the controls that
// reorder bidirectional text are written as escapes ("\n", "\x1b", "\u202e"), so that the text
// stays on one line, moves no cursor and turns nothing after it around.
QString escapedText(const QString &text);

// As escapedText, cut to 40 characters with "…" when longer, never inside an escape: a key or
// value quoted in an error line.
QString shownText(const QString &text);

#endif
