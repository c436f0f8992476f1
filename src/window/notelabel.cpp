#include "notelabel.h"

#include <QEvent>
#include <QTextLayout>

NoteLabel::NoteLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    showNote();
}

void NoteLabel::setNote(const QString &note)
{
    if (note == fullNote)
        return;
    fullNote = note;
    showNote();
}

void NoteLabel::setLineLimit(int lines)
{
    limit = lines;
    showNote();
}

void NoteLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (limit > 0)
        showNote();
}

// A larger type breaks the lines elsewhere.
void NoteLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showNote();
}

// The lines' height is kept while the note is empty, so that the plot below does not jump.
void NoteLabel::showNote()
{
    const bool limited = limit > 0;
    setWordWrap(!limited);
    setMinimumHeight(limited ? limit * fontMetrics().lineSpacing() : 0);
    const QString shown = limited ? withinLineLimit() : fullNote;
    if (shown != text())
        setText(shown);
    setToolTip(shown == fullNote || fullNote.isEmpty() ? QString() : fullNote);
}

// The note broken into lines of the label's width as a word-wrapping label breaks it, the last
// line taking the rest, cut short with "…" where it does not fit.
QString NoteLabel::withinLineLimit() const
{
    QTextLayout layout(fullNote, font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        if (lines.size() == limit - 1) {
            const QString rest = fullNote.mid(line.textStart());
            lines << fontMetrics().elidedText(rest, Qt::ElideRight, width());
            break;
        }
        lines << fullNote.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}
