#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace pluvane {

// n / d rounded to the nearest integer, halves away from zero. The one
// rounding rule of every scaling the file formats do; d must not be zero.
constexpr std::int64_t divideRounded(std::int64_t n, std::int64_t d)
{
    const bool negative = (n < 0) != (d < 0);
    const std::int64_t an = n < 0 ? -n : n;
    const std::int64_t ad = d < 0 ? -d : d;
    const std::int64_t q = (an + ad / 2) / ad;
    return negative ? -q : q;
}

// A 64-bit result narrowed to a 32-bit field, or nothing when it does not fit.
constexpr std::optional<std::int32_t> checkedInt32(std::int64_t v)
{
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

} // namespace pluvane
