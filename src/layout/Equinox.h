#pragma once

namespace pluvane {

enum class Equinox { March, September };

// The day of the month, in Japan Standard Time (UTC+9), on which the sun's
// apparent geocentric longitude reaches 0° (March) or 180° (September) in
// the given year. Meant for the years 1948..2500, where its error is a few
// minutes at most; the day is what the holiday law names.
int equinoxDayInJapan(int year, Equinox which);

} // namespace pluvane
