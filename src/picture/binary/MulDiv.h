#pragma once

#include "Integers.h"

#include <cstdint>

namespace pluvane {

// a x b / c with a 64-bit product, rounded to the nearest integer, halves
// away from zero; -1 for a zero divisor or a result beyond 32 bits, as the
// classic system call does.
constexpr std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    return checkedInt32(divideRounded(std::int64_t { a } * b, c)).value_or(-1);
}

} // namespace pluvane
