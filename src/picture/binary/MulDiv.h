#pragma once

#include "Integers.h"

#include <cstdint>
#include <optional>

namespace pluvane {

// a x b / c with a 64-bit product, rounded to the nearest integer, halves
// away from zero. Nothing for a zero divisor or a result beyond 32 bits: a
// size that cannot be held is refused by the caller, never truncated.
constexpr std::optional<std::int32_t> mulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return std::nullopt;
    return checkedInt32(divideRounded(std::int64_t { a } * b, c));
}

} // namespace pluvane
