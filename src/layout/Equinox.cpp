#include "Equinox.h"

#include <array>
#include <chrono>
#include <cmath>
#include <numbers>

namespace pluvane {

// The instant comes from Jean Meeus, Astronomical Algorithms (2nd ed.),
// chapter 27: the mean equinox of table 27.B (years 1000..3000) corrected by
// the 24 periodic terms of table 27.C, which keeps within about a minute of
// the VSOP87 solar longitude. That instant is in Terrestrial Time; the
// Espenak–Meeus polynomials for ΔT (NASA Five Millennium Canon of Solar
// Eclipses, 2006) turn it into Universal Time, and Japan's clock is UT + 9 h.

namespace {

struct PeriodicTerm {
    double amplitude, phase, rate; // amplitude in 1e-5 day, angles in degrees
};

constexpr std::array<PeriodicTerm, 24> periodicTerms { {
    { 485, 324.96, 1934.136 },
    { 203, 337.23, 32964.467 },
    { 199, 342.08, 20.186 },
    { 182, 27.85, 445267.112 },
    { 156, 73.14, 45036.886 },
    { 136, 171.52, 22518.443 },
    { 77, 222.54, 65928.934 },
    { 74, 296.72, 3034.906 },
    { 70, 243.58, 9037.513 },
    { 58, 119.81, 33718.147 },
    { 52, 297.17, 150.678 },
    { 50, 21.02, 2281.226 },
    { 45, 247.54, 29929.562 },
    { 44, 325.15, 31555.956 },
    { 29, 60.93, 4443.417 },
    { 18, 155.12, 67555.328 },
    { 17, 288.79, 4562.452 },
    { 16, 198.04, 62894.029 },
    { 14, 199.76, 31436.921 },
    { 12, 95.39, 14577.848 },
    { 12, 287.11, 31931.756 },
    { 12, 320.81, 34777.259 },
    { 9, 227.73, 1222.114 },
    { 8, 15.45, 16859.074 },
} };

// Table 27.B: the mean equinox as a polynomial in millennia from 2000.
constexpr std::array<double, 5> marchMean { 2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057 };
constexpr std::array<double, 5> septemberMean { 2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078 };

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double horner(const std::array<double, 5>& c, double x)
{
    double sum = 0.0;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        sum = sum * x + *it;
    return sum;
}

// The Julian Ephemeris Day of the equinox (Terrestrial Time).
double equinoxJde(int year, Equinox which)
{
    const double millennia = (year - 2000) / 1000.0;
    const double jde0 = horner(which == Equinox::March ? marchMean : septemberMean, millennia);
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = radians(35999.373 * t - 2.47);
    const double dLambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double s = 0.0;
    for (const PeriodicTerm& term : periodicTerms)
        s += term.amplitude * std::cos(radians(term.phase + term.rate * t));
    return jde0 + 0.00001 * s / dLambda;
}

// ΔT = TT − UT in seconds by the Espenak–Meeus polynomials, for the
// fractional year y. Only the pieces covering 1941 onwards are needed here.
double deltaTSeconds(double y)
{
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t
            + 0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    if (y < 2150.0)
        return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
}

} // namespace

int equinoxDayInJapan(int year, Equinox which)
{
    const unsigned month = which == Equinox::March ? 3 : 9;
    const double fractionalYear = year + (month - 0.5) / 12.0;
    const double jdUt = equinoxJde(year, which) - deltaTSeconds(fractionalYear) / 86400.0;
    // A Julian Day begins at noon UT, so the civil day in Japan begins at
    // JD n + 0.5 − 9/24; counting from 1970-01-01 (JD 2440587.5) keeps the
    // arithmetic in small numbers.
    const double daysSinceEpoch = std::floor(jdUt + 9.0 / 24.0 - 2440587.5);
    using namespace std::chrono;
    const sys_days firstOfMonth { std::chrono::year { year } / std::chrono::month { month } / 1 };
    const auto firstOfMonthDays = static_cast<double>(firstOfMonth.time_since_epoch().count());
    return static_cast<int>(daysSinceEpoch - firstOfMonthDays) + 1;
}

} // namespace pluvane
