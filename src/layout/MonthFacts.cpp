#include "MonthFacts.h"

#include "Errors.h"

#include <chrono>

namespace pluvane {

MonthFacts monthFacts(int year, int month)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        throw EConvertError();

    // The standard calendar is the proleptic Gregorian one, and its weekday
    // numbering (Sunday 0) is the column numbering.
    using namespace std::chrono;
    const year_month ym { std::chrono::year { year }, std::chrono::month { static_cast<unsigned>(month) } };
    const weekday first { sys_days { ym / 1 } };
    const auto lastDay = (ym / last).day();
    return { static_cast<int>(first.c_encoding()), static_cast<int>(static_cast<unsigned>(lastDay)) };
}

} // namespace pluvane
