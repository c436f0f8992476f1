#ifndef VANDREL_RESULTSTABLEMODEL_H
#define VANDREL_RESULTSTABLEMODEL_H

#include "results.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QLocale>

// The recorded experiments, a row each under the results table's one column list, for the view
// beside the plot, the Results plot, the CSV file and the lesson. Numbers show as the language
// writes them; the file gets them in their shortest exact form.
class ResultsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ResultsTableModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const QVector<ResultsRow> &rows() const { return recorded; }
    void append(const ResultsRow &row);
    void removeRowsAt(QList<int> rows);
    void replaceAll(const QVector<ResultsRow> &rows);
    // A header line, then a row a line.
    QByteArray toCsv() const;

    // Whether rows were recorded, deleted or brought since the table was last saved or opened.
    bool hasUnsavedChanges() const { return unsaved; }
    void markSaved() { unsaved = false; }

    // The numbers of the view follow the language.
    void setNumberLocale(const QLocale &locale);

signals:
    void rowsChanged();

private:
    void changed();

    QVector<ResultsRow> recorded;
    QStringList columns;
    QLocale numbers;
    bool unsaved = false;
};

#endif
