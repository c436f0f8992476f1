#ifndef VANDREL_BATCHMEANS_H
#define VANDREL_BATCHMEANS_H

#include <QVector>

#include <functional>

// The standard error of a value measured over a run whose steps are strongly correlated (an
// electron keeps its path for many steps), by batch means: the run since the last restart is
// cut into consecutive batches of equal model time, each batch gives the value on its own, and
// the spread of those values over the square root of their number is the error of the whole.
//
// Only the running totals at the batch boundaries are kept. When the batches number 32, every
// other boundary is dropped, which merges neighbours and doubles the batch length, so memory
// stays the same however long the run.
class BatchMeans
{
public:
    static constexpr int maxBatches = 32;
    static constexpr int minBatches = 16; // fewer give no error

    // Starts again at `time`, with `totals` running totals that are 0 there; batches must span
    // at least `shortestBatch` of time before they give an error.
    void restart(double time, int totals, double shortestBatch);
    // Whether a batch ends at `time`; only then need the totals be recorded.
    bool endsBatch(double time) const { return time - boundaries.last().time >= length; }
    // The time and the running totals after a step that ends a batch.
    void record(double time, const QVector<double> &totals);

    // The value of one batch from its length and its part of each total.
    using BatchValue = std::function<double(double length, const double *amounts)>;
    // NaN while the batches are too few or too short, or give no number.
    double standardError(const BatchValue &value) const;

    int completeBatches() const { return boundaries.size() - 1; }
    double batchLength() const { return length; }

private:
    struct Boundary
    {
        double time;
        QVector<double> totals;
    };

    QVector<Boundary> boundaries;
    double length = 0.0;
    double shortest = 0.0;
};

#endif
