#include "randomsequence.h"

#include <cstring>

RandomSequence::RandomSequence(unsigned seed)
{
    // initstate_r reads the state pointer it is given: it must start out null.
    std::memset(&data, 0, sizeof data);
    initstate_r(seed, state, sizeof state, &data);
}

RandomSequence::RandomSequence(const RandomSequence &other)
{
    copyFrom(other);
}

RandomSequence &RandomSequence::operator=(const RandomSequence &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

// The generator's pointers lead into its own state: a copy's lead into the copy's.
void RandomSequence::copyFrom(const RandomSequence &other)
{
    std::memcpy(state, other.state, sizeof state);
    data = other.data;
    const auto rebased = [&](std::int32_t *pointer) {
        const char *place = reinterpret_cast<const char *>(pointer);
        return reinterpret_cast<std::int32_t *>(state + (place - other.state));
    };
    data.fptr = rebased(other.data.fptr);
    data.rptr = rebased(other.data.rptr);
    data.state = rebased(other.data.state);
    data.end_ptr = rebased(other.data.end_ptr);
}

void RandomSequence::seed(unsigned seed)
{
    srandom_r(seed, &data);
}

int RandomSequence::next()
{
    std::int32_t result = 0;
    random_r(&data, &result);
    return result;
}
