#ifndef VANDREL_ENTROPY_H
#define VANDREL_ENTROPY_H

#include <QVector>

// The coarse-grained entropy per electron of where the electrons are, over the strips, relative
// to equilibrium: S = -sum_j p_j ln(p_j / q_j), p_j the share of the electrons in strip j and q_j
// the strip's share of the free space. It is 0 when the electrons are spread as the free space
// is, below 0 otherwise, and ln q_k when all of them are in strip k. Strips without free space
// (q_j = 0) hold no electron and add nothing. NaN without electrons.
double stripEntropy(const QVector<int> &counts, const QVector<double> &shares);

// S of N electrons placed independently over the free space, each count binomial: its mean and
// its standard deviation, about -(K - 1) / 2N and sqrt(2 (K - 1)) / 2N for many electrons in K
// strips. The mean is summed exactly; so is the deviation, strip after strip over the electrons
// left for the others, up to a few thousand electrons, and from the chi-square limit beyond.
struct EntropySpread
{
    double mean;
    double deviation;
};
EntropySpread equilibriumEntropy(const QVector<double> &shares, int electrons);

#endif
