#include "resultstablemodel.h"

#include <algorithm>

ResultsTableModel::ResultsTableModel(QObject *parent)
    : QAbstractTableModel(parent), columns(resultsColumns())
{
}

int ResultsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : recorded.size();
}

int ResultsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns.size();
}

QVariant ResultsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QString cell = resultsCells(recorded.at(index.row())).value(index.column());
    bool isNumber = false;
    const double value = cell.toDouble(&isNumber);
    if (!isNumber)
        return cell == QLatin1String("nan") ? QStringLiteral("—") : cell;
    return numbers.toString(value, 'g', 6);
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? QVariant(columns.value(section))
                                         : QVariant(numbers.toString(section + 1));
}

void ResultsTableModel::append(const ResultsRow &row)
{
    beginInsertRows(QModelIndex(), recorded.size(), recorded.size());
    recorded.append(row);
    endInsertRows();
    changed();
}

// From the last up, so that the numbers of those still to go stay right.
void ResultsTableModel::removeRowsAt(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        beginRemoveRows(QModelIndex(), *row, *row);
        recorded.removeAt(*row);
        endRemoveRows();
    }
    changed();
}

void ResultsTableModel::replaceAll(const QVector<ResultsRow> &rows)
{
    beginResetModel();
    recorded = rows;
    endResetModel();
    changed();
}

QByteArray ResultsTableModel::toCsv() const
{
    QByteArray csv = columns.join(QLatin1Char(',')).toUtf8() + '\n';
    for (const ResultsRow &row : recorded)
        csv += resultsCells(row).join(QLatin1Char(',')).toUtf8() + '\n';
    return csv;
}

void ResultsTableModel::setNumberLocale(const QLocale &locale)
{
    numbers = locale;
    if (!recorded.isEmpty())
        emit dataChanged(index(0, 0), index(recorded.size() - 1, columns.size() - 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(int(recorded.size()) - 1, 0));
}

void ResultsTableModel::changed()
{
    unsaved = true;
    emit rowsChanged();
}
