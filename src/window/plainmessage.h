#ifndef VANDREL_PLAINMESSAGE_H
#define VANDREL_PLAINMESSAGE_H

#include <QString>

class QWidget;

// Message boxes whose texts name files or quote them, shown as plain text: a name such as
// "<b>lesson.vandrel" reads as it is, and nothing in it becomes a picture or a link.
void warnPlainly(QWidget *parent, const QString &title, const QString &text);
// Yes or No, No by default.
bool askPlainly(QWidget *parent, const QString &title, const QString &question);

#endif
