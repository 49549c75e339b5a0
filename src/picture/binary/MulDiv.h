#pragma once

#include <cstdint>
#include <cstdlib>

namespace pluvane {

// a x b / c with a 64-bit product, rounded to the nearest integer, halves
// away from zero; -1 for a zero divisor, as the classic system call does.
constexpr std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t { a } * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t n = product < 0 ? -product : product;
    const std::int64_t d = c < 0 ? -std::int64_t { c } : c;
    const std::int64_t q = (n + d / 2) / d;
    return static_cast<std::int32_t>(negative ? -q : q);
}

} // namespace pluvane
