#ifndef VANDREL_NOTELABEL_H
#define VANDREL_NOTELABEL_H

#include <QLabel>

// The notes under the read-out. Where the plot needs the height they keep to a few lines, the
// last cut short with "…" where the label is too narrow and the whole note in the tooltip;
// where there is room below they wrap whole. The label's width never widens its column.
class NoteLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLabel(QWidget *parent = nullptr);

    void setNote(const QString &note);
    QString note() const { return fullNote; }
    // At most this many lines; 0 for as many as the note needs.
    void setLineLimit(int lines);
    int lineLimit() const { return limit; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showNote();
    QString withinLineLimit() const;

    QString fullNote;
    int limit = 2;
};

#endif
