#ifndef VANDREL_RANDOMSEQUENCE_H
#define VANDREL_RANDOMSEQUENCE_H

#include <cstdint>
#include <cstdlib>

// The C library's rand() sequence with a state of its own, so that models running side by side
// each draw their own: glibc's random_r, seeded as srand() seeds rand(). Unseeded it starts as
// rand() does in a program that never calls srand(), from seed 1.
class RandomSequence
{
public:
    explicit RandomSequence(unsigned seed = 1);
    RandomSequence(const RandomSequence &other);
    RandomSequence &operator=(const RandomSequence &other);

    void seed(unsigned seed);
    // The next number, 0 ... RAND_MAX, as rand() would give it.
    int next();
    // A number in 0 ... n - 1, as the program has always drawn them: next() mod n.
    int below(int n) { return next() % n; }

private:
    void copyFrom(const RandomSequence &other);

    // rand()'s own size: an additive feedback generator of degree 31 and its type word.
    static constexpr int stateWords = 32;
    alignas(std::int32_t) char state[stateWords * sizeof(std::int32_t)];
    random_data data;
};

#endif
