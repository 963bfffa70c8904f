// SPDX-License-Identifier: MIT
#include "DateTime.h"

#include <QDate>
#include <QLocale>
#include <cmath>
#include <cstdint>

#include "VexaError.h"

namespace Vexa {

namespace {

// day counts are Unix days shifted: 1 January 1970 is day 25569
constexpr std::int64_t UnixEpochDay = 25569;
constexpr std::int64_t MSecsPerDay = 86400000;
// beyond this the years no longer fit an int and the double has lost the day anyway
constexpr double DecodableDays = 1e11;

// Days from 1970-01-01 to y-m-d on the proleptic Gregorian calendar; valid for every int year.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;                                    // 0..399
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // 0..365, from 1 March
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // 0..146096
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

bool Decodable(double v) {
    return std::isfinite(v) && std::fabs(v) <= DecodableDays;
}

void DecodeDay(std::int64_t day, int& y, int& m, int& d) {
    std::int64_t year = 0;
    CivilFromDays(day - UnixEpochDay, year, m, d);
    y = static_cast<int>(year);
}

// The milliseconds since the day's start, 0..86400000 (the last one means the next midnight).
std::int64_t MSecsOfDay(double v, double day) {
    return static_cast<std::int64_t>(std::nearbyint((v - day) * static_cast<double>(MSecsPerDay)));
}

void SplitMSecs(std::int64_t t, int& h, int& n, int& s, int& ms) {
    ms = static_cast<int>(t % 1000);
    t /= 1000;
    s = static_cast<int>(t % 60);
    t /= 60;
    n = static_cast<int>(t % 60);
    h = static_cast<int>(t / 60);
}

}  // namespace

bool IsLeapYear(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int DaysInMonth(int y, int m) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return m == 2 && IsLeapYear(y) ? 29 : Days[m - 1];
}

bool TryEncodeDate(int y, int m, int d, double& out) {
    if (y < 1 || y > 9999 || d < 1 || d > DaysInMonth(y, m)) return false;
    out = static_cast<double>(DaysFromCivil(y, m, d) + UnixEpochDay);
    return true;
}

double EncodeDate(int y, int m, int d) {
    double v = 0;
    if (!TryEncodeDate(y, m, d, v))
        throw EVexaError(QStringLiteral("Invalid date %1-%2-%3").arg(y).arg(m).arg(d));
    return v;
}

void DecodeDate(double dayCount, int& y, int& m, int& d) {
    y = m = d = 0;
    if (Decodable(dayCount)) DecodeDay(static_cast<std::int64_t>(std::floor(dayCount)), y, m, d);
}

int DayOfWeek(double dayCount) {
    if (!Decodable(dayCount)) return 0;
    // day 0 was a Saturday
    const std::int64_t r = (static_cast<std::int64_t>(std::floor(dayCount)) + 6) % 7;
    return 1 + static_cast<int>(r < 0 ? r + 7 : r);
}

bool TryEncodeTime(int h, int n, int s, int ms, double& out) {
    if (h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59 || ms < 0 || ms > 999) return false;
    out = static_cast<double>(((h * 60 + n) * 60 + s) * 1000 + ms) / static_cast<double>(MSecsPerDay);
    return true;
}

double EncodeTime(int h, int n, int s, int ms) {
    double v = 0;
    if (!TryEncodeTime(h, n, s, ms, v))
        throw EVexaError(QStringLiteral("Invalid time %1:%2:%3.%4").arg(h).arg(n).arg(s).arg(ms));
    return v;
}

void DecodeTime(double v, int& h, int& n, int& s, int& ms) {
    h = n = s = ms = 0;
    if (!std::isfinite(v)) return;
    const double day = std::floor(v);
    SplitMSecs(MSecsOfDay(v, day) % MSecsPerDay, h, n, s, ms);
}

bool DecodeDateTime(double v, int& y, int& m, int& d, int& h, int& n, int& s, int& ms) {
    y = m = d = h = n = s = ms = 0;
    if (!Decodable(v)) return false;
    const double day = std::floor(v);
    std::int64_t t = MSecsOfDay(v, day);
    std::int64_t dayNumber = static_cast<std::int64_t>(day);
    if (t >= MSecsPerDay) {  // rounded up to the next midnight
        t -= MSecsPerDay;
        ++dayNumber;
    }
    DecodeDay(dayNumber, y, m, d);
    SplitMSecs(t, h, n, s, ms);
    return true;
}

}  // namespace Vexa
