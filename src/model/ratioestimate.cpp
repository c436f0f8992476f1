#include "ratioestimate.h"

#include <cmath>
#include <limits>

void RatioEstimate::add(double a, double b)
{
    as.append(a);
    bs.append(b);
}

Measurement RatioEstimate::measurement() const
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const int n = bs.size();
    double sumA = 0.0;
    double sumB = 0.0;
    for (int i = 0; i < n; ++i) {
        sumA += as[i];
        sumB += bs[i];
    }
    if (!(sumB > 0))
        return {notANumber, notANumber};
    const double m = sumA / sumB;
    if (n < 2)
        return {m, notANumber};
    double squares = 0.0;
    for (int i = 0; i < n; ++i) {
        const double residual = as[i] - m * bs[i];
        squares += residual * residual;
    }
    const double meanB = sumB / n;
    return {m, std::sqrt(squares / (double(n) * (n - 1))) / meanB};
}
