#ifndef VANDREL_RESULTS_H
#define VANDREL_RESULTS_H

#include "quantities.h"
#include "settings.h"

#include <QStringList>
#include <QVector>

#include <optional>

class GasModel;

// One experiment as a results table keeps it: the settings its values belong to, how it ran,
// and each quantity's measured value with its standard error and its expected value.
struct ResultsRow
{
    struct Value
    {
        double measured;
        double error;
        double expected;
    };

    GasSettings settings;    // the count is that of the electrons on the field
    std::optional<int> seed; // the runner's; the window has none
    std::optional<int> steps;
    std::optional<int> reverseAfter; // the steps before a reversal, where there was one
    double time = 0.0;               // T
    int movedElectrons = 0;
    // For each quantity of the table, in its order; for a profile, the selected strip's share.
    QVector<Value> values;

    // The model's measurement as it stands.
    static ResultsRow of(const GasModel &model);
    const Value &valueOf(Quantity quantity) const;
};

// What the Results plot can put across: a setting, or what the settings make of the field.
enum class ResultsAxis {
    Spacing,
    AtomRadius,
    ElectronRadius,
    Speed,
    Electrons,
    Strips,
    FreeArea,
    ElectronsPerFreeArea,
};

struct ResultsAxisDefinition
{
    ResultsAxis axis;
    // Its name in the lesson file, its axis label (English, as all the axes), and its name in the
    // plot's choice, translated in the context "ResultsPlot".
    const char *key;
    const char *axisLabel;
    const char *name;
    // The setting it is, if it is one: then a curve of the expected value can follow it.
    std::optional<SettingKey> setting;
};

const QVector<ResultsAxisDefinition> &resultsAxes();
const ResultsAxisDefinition &definitionOf(ResultsAxis axis);
std::optional<ResultsAxis> resultsAxisNamed(const QString &key);

// The one list of columns of every results table, the window's and the runner's: the settings,
// the motion, how it ran, then each quantity's value, error and expected value.
QStringList resultsColumns();
// A row's cells under those columns: numbers in their shortest exact form, the motion by its
// name, empty where the row has nothing (the window's seed and steps).
QStringList resultsCells(const ResultsRow &row);
// A row from cells under the given columns, which may come in any order or be fewer; a column
// it does not know is skipped, an empty cell of a quantity is not a number. Nothing, and in *error
// the column, where a cell is no good.
std::optional<ResultsRow> resultsRowFrom(const QStringList &columns, const QStringList &cells,
                                         QString *error);

#endif
