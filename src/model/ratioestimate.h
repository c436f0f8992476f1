#ifndef VANDREL_RATIOESTIMATE_H
#define VANDREL_RATIOESTIMATE_H

#include <QVector>

// A measured value with its standard error; NaN where nothing was measured, and an error of NaN
// where too little was.
struct Measurement
{
    double value;
    double standardError;
};

// The electrons never meet, so each one is an independent repetition of the experiment. A
// quantity measured as sum a / sum b over them (time in a strip per path flown, wall depth per
// path, path per contact), where each electron i has its own totals a_i and b_i, has the
// standard error of a ratio estimator:
//     m = sum a / sum b,   SE(m)^2 = sum (a_i - m b_i)^2 / (N (N - 1) mean(b)^2),
// over the N electrons added (those that have moved: one that has not tells nothing). Electrons
// added later have flown less and weigh less. The error needs two electrons, the value a sum of b
// above 0.
class RatioEstimate
{
public:
    void add(double a, double b);
    Measurement measurement() const;

private:
    QVector<double> as;
    QVector<double> bs;
};

#endif
