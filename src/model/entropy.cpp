#include "entropy.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Beyond this many electrons the deviation comes from the chi-square limit, which is then
// within a fraction of a per cent of the exact sum, and the exact sum would take seconds.
constexpr int largestExactSpread = 2000;
// Binomial terms this far below the largest add nothing a double keeps.
constexpr double negligible = 1e-18;

// One strip's part of S for n of the N electrons in it: -(n / N) ln(n / (N q)).
double stripPart(int n, int electrons, double share)
{
    if (n == 0)
        return 0.0;
    const double p = double(n) / electrons;
    return -p * std::log(p / share);
}

// Calls add(n, P(n)) for every count n of a binomial(m, p) worth adding, from its mode outwards
// with the ratio of neighbouring terms.
template <typename Add> void binomialTerms(int m, double p, Add add)
{
    if (p <= 0.0 || m == 0) {
        add(0, 1.0);
        return;
    }
    if (p >= 1.0) {
        add(m, 1.0);
        return;
    }
    const int mode = std::min(m, int(std::floor((m + 1) * p)));
    const double atMode =
        std::exp(std::lgamma(m + 1.0) - std::lgamma(mode + 1.0) - std::lgamma(m - mode + 1.0) +
                 mode * std::log(p) + (m - mode) * std::log1p(-p));
    const double odds = p / (1 - p);
    add(mode, atMode);
    double term = atMode;
    for (int n = mode; n < m && term > negligible * atMode; ++n) {
        term *= double(m - n) / (n + 1) * odds;
        add(n + 1, term);
    }
    term = atMode;
    for (int n = mode; n > 0 && term > negligible * atMode; --n) {
        term *= double(n) / (m - n + 1) / odds;
        add(n - 1, term);
    }
}

// The strips that hold free space.
std::vector<double> freeShares(const QVector<double> &shares)
{
    std::vector<double> free;
    for (double share : shares) {
        if (share > 0)
            free.push_back(share);
    }
    return free;
}

// E[S] and E[S^2] over the multinomial counts: strip after strip, each count binomial among the
// electrons the strips before left, keeping for every number m of electrons left the chance of
// it and the first two moments of S so far.
EntropySpread exactSpread(const std::vector<double> &shares, int electrons)
{
    const std::size_t states = std::size_t(electrons) + 1;
    std::vector<double> chance(states, 0.0);
    std::vector<double> first(states, 0.0);  // E[S so far; m left]
    std::vector<double> second(states, 0.0); // E[S^2 so far; m left]
    chance[electrons] = 1.0;
    double remaining = 1.0;
    for (std::size_t j = 0; j + 1 < shares.size(); ++j) {
        std::vector<double> nextChance(states, 0.0);
        std::vector<double> nextFirst(states, 0.0);
        std::vector<double> nextSecond(states, 0.0);
        const double p = std::min(1.0, shares[j] / remaining);
        for (int m = 0; m <= electrons; ++m) {
            if (chance[m] == 0.0)
                continue;
            binomialTerms(m, p, [&](int n, double probability) {
                const double g = stripPart(n, electrons, shares[j]);
                const int left = m - n;
                nextChance[left] += chance[m] * probability;
                nextFirst[left] += (first[m] + chance[m] * g) * probability;
                nextSecond[left] +=
                    (second[m] + 2 * first[m] * g + chance[m] * g * g) * probability;
            });
        }
        chance.swap(nextChance);
        first.swap(nextFirst);
        second.swap(nextSecond);
        remaining -= shares[j];
    }
    // The last strip holds all the electrons left.
    double mean = 0.0;
    double meanSquare = 0.0;
    for (int m = 0; m <= electrons; ++m) {
        const double g = stripPart(m, electrons, shares.back());
        mean += first[m] + chance[m] * g;
        meanSquare += second[m] + 2 * first[m] * g + chance[m] * g * g;
    }
    return {mean, std::sqrt(std::max(meanSquare - mean * mean, 0.0))};
}
} // namespace

double stripEntropy(const QVector<int> &counts, const QVector<double> &shares)
{
    int electrons = 0;
    for (int count : counts)
        electrons += count;
    if (electrons == 0)
        return std::nan("");
    double entropy = 0.0;
    for (int j = 0; j < counts.size(); ++j) {
        if (shares.value(j) > 0)
            entropy += stripPart(counts[j], electrons, shares[j]);
    }
    return entropy;
}

EntropySpread equilibriumEntropy(const QVector<double> &shares, int electrons)
{
    const std::vector<double> free = freeShares(shares);
    if (electrons <= 0 || free.empty())
        return {std::nan(""), std::nan("")};
    if (electrons <= largestExactSpread)
        return exactSpread(free, electrons);
    // Each strip's count alone, for the mean; the chi-square limit for the spread.
    double mean = 0.0;
    for (double share : free) {
        binomialTerms(electrons, share, [&](int n, double probability) {
            mean += probability * stripPart(n, electrons, share);
        });
    }
    const double degreesOfFreedom = double(free.size()) - 1;
    return {mean, std::sqrt(2 * degreesOfFreedom) / (2.0 * electrons)};
}
