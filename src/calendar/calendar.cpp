// The Japanese civil calendar: era years, weekdays and national holidays.
//
// Sources:
// - 国民の祝日に関する法律 (Act on National Holidays, 昭和23年法律第178号, in
//   force 20 July 1948), with its amendments of 1966 (敬老の日, 体育の日 and
//   建国記念の日, the last on 11 February by cabinet order from 1967), 1973
//   (振替休日, from 12 April 1973), 1985 (国民の休日, a day between two
//   holidays), 1989 (天皇誕生日 to 23 December, 29 April みどりの日), 1995
//   (海の日 from 1996), 1998 (成人の日 and 体育の日 on Mondays from 2000),
//   2001 (海の日 and 敬老の日 on Mondays from 2003), 2005 (昭和の日, みどりの日
//   on 4 May, and a substitute holiday after a run of holidays, from 2007),
//   2014 (山の日 from 2016) and 2018 (体育の日 renamed スポーツの日 from
//   2020). 天皇の退位等に関する皇室典範特例法 (2017) moved 天皇誕生日 to
//   23 February from 2020.
// - One-off holidays, each made by a law of its own:
//   皇太子明仁親王の結婚の儀の行われる日を休日とする法律 (1959),
//   昭和天皇の大喪の礼の行われる日を休日とする法律 (1989),
//   即位礼正殿の儀の行われる日を休日とする法律 (1990),
//   皇太子徳仁親王の結婚の儀の行われる日を休日とする法律 (1993), and
//   天皇の即位の日及び即位礼正殿の儀の行われる日を休日とする法律 (2018, for
//   1 May and 22 October 2019; 30 April and 2 May follow as 国民の休日).
// - The summer holidays of 2020 and 2021: the special measures law for the
//   Tokyo Olympic and Paralympic Games, amended in 2018 for 2020 and in 2020
//   for 2021:
//   東京オリンピック競技大会・東京パラリンピック競技大会特別措置法.
// - The equinox days are the astronomical ones, announced each February for
//   the next year by the National Astronomical Observatory of Japan
//   (国立天文台, 暦要項); the formula below approximates them.
// - Checked against the Cabinet Office's list of national holidays
//   (内閣府「国民の祝日について」,
//   https://www8.cao.go.jp/chosei/shukujitsu/gaiyou.html).

#include "calendar/calendar.h"

#include <cmath>
#include <utility>

namespace calendar {

namespace {

constexpr int32_t Sunday = 1;
constexpr int32_t Monday = 2;
constexpr int32_t Tuesday = 3;
constexpr int32_t Wednesday = 4;

struct Era {
    int32_t first_year;
    const char* name;
};

// Newest first: the first era whose start the year has reached is its era.
constexpr Era Eras[] = {
    {2019, "令和"},
    {1989, "平成"},
    {1926, "昭和"},
    {1912, "大正"},
    {1868, "明治"},
};

int64_t floor_div(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Spring (March) or autumn (September) equinox day. The product is formed
// in 64 bits so that no year overflows it, and the quarter-year correction
// is floored, which matches the recorded equinoxes before 1980 too.
int32_t equinox_day(int32_t year, int32_t month)
{
    const int64_t k = month == 3 ? 20843100 : 23248800;
    const int64_t d = int64_t{year} - 1980;
    const int64_t x = d * 242194 + k;
    const int64_t q = floor_div(d, 4);
    const double e = static_cast<double>(x) / 1000000.0 - static_cast<double>(q);
    return static_cast<int32_t>(std::floor(e));
}

// Builds one month's marks, dropping every mark whose day is not in the month.
class MonthMarks {
public:
    MonthMarks(int32_t year, int32_t month)
        : year_(year), month_(month), length_(Month_Long(year, month)) {}

    bool in_month(int32_t day) const { return day >= 1 && day <= length_; }

    int32_t weekday(int32_t day) const { return Get_Week(year_, month_, day); }

    // A day outside the month holds no holiday, so it has no substitute.
    bool is_sunday(int32_t day) const { return in_month(day) && weekday(day) == Sunday; }

    int32_t second_monday() const { return Second_Monday(weekday(1)); }

    void red(int32_t day, const char* name) { add(day, true, name); }
    void rename(int32_t day, const char* name) { add(day, false, name); }

    // The day after a Sunday holiday becomes the substitute holiday.
    void red_with_substitute(int32_t day, const char* name, bool substitute_rule)
    {
        red(day, name);
        if (substitute_rule && is_sunday(day))
            red(day + 1, "振替休日");
    }

    std::vector<HolidayMark> take() { return std::move(marks_); }

private:
    void add(int32_t day, bool turn_red, const char* name)
    {
        if (in_month(day))
            marks_.push_back({day, turn_red, name});
    }

    int32_t year_;
    int32_t month_;
    int32_t length_;
    std::vector<HolidayMark> marks_;
};

// Each by a law of its own; see the sources above.
struct OneOffHoliday {
    int32_t year;
    int32_t month;
    int32_t day;
    const char* name;
};

constexpr OneOffHoliday OneOffHolidays[] = {
    {1959, 4, 10, "結婚の儀"},
    {1989, 2, 24, "大喪の礼"},
    {1990, 11, 12, "即位礼正殿の儀"},
    {1993, 6, 9, "結婚の儀"},
    {2019, 4, 30, "国民の休日"},
    {2019, 5, 1, "即位の日"},
    {2019, 5, 2, "国民の休日"},
    {2019, 10, 22, "即位礼正殿の儀"},
};

// The two years whose summer holidays were moved around the Olympic Games,
// by the Games' special measures law.
struct SummerShift {
    int32_t year;
    int32_t marine_day;   // July
    int32_t sports_day;   // July
    int32_t mountain_day; // August
};

constexpr SummerShift SummerShifts[] = {
    {2020, 23, 24, 10},
    {2021, 22, 23, 8},
};

const SummerShift* summer_shift(int32_t year)
{
    for (const SummerShift& shift : SummerShifts)
        if (shift.year == year)
            return &shift;
    return nullptr;
}

void january(MonthMarks& m, int32_t year)
{
    if (year >= 1949)
        m.red_with_substitute(1, "元旦", year >= 1973);
    if (year >= 1949 && year <= 1999)
        m.red_with_substitute(15, "成人の日", year >= 1973);
    if (year >= 2000)
        m.red(m.second_monday(), "成人の日");
}

void february(MonthMarks& m, int32_t year)
{
    // Substitute holidays began in April 1973, after that year's 11 February.
    if (year >= 1967)
        m.red_with_substitute(11, "建国記念日", year >= 1974);
    if (year >= 2020)
        m.red_with_substitute(23, "天皇誕生日", true);
}

void march(MonthMarks& m, int32_t year)
{
    if (year >= 1949)
        m.red_with_substitute(equinox_day(year, 3), "春分の日", year >= 1973);
}

void april(MonthMarks& m, int32_t year)
{
    if (year < 1949)
        return;
    m.red(29, "みどりの日");
    if (year <= 1988)
        m.rename(29, "天皇誕生日");
    if (year >= 2007)
        m.rename(29, "昭和の日");
    if (year >= 1973 && m.is_sunday(29))
        m.red(30, "振替休日");
}

void may(MonthMarks& m, int32_t year)
{
    if (year >= 1949)
        m.red(3, "憲法記念日");
    // Until 2006 a Sunday 4 May stays a plain Sunday.
    if (year >= 2007 || (year >= 1986 && !m.is_sunday(4)))
        m.red(4, "国民の休日");
    if (year >= 1973 && year <= 2006 && m.is_sunday(3))
        m.red(4, "振替休日");
    if (year >= 2007)
        m.rename(4, "みどりの日");
    if (year >= 1949)
        m.red_with_substitute(5, "こどもの日", year >= 1973);
    // From 2007 a Sunday 3 or 4 May moves the substitute past the holidays.
    if (year >= 2007 && (m.weekday(5) == Monday || m.weekday(5) == Tuesday))
        m.red(6, "振替休日");
}

// 20 July from 1996 (1995 amendment), the third Monday from 2003 (2001).
void july(MonthMarks& m, int32_t year)
{
    if (year >= 1996 && year <= 2002)
        m.red_with_substitute(20, "海の日", true);
    if (const SummerShift* shift = summer_shift(year)) {
        m.red(shift->marine_day, "海の日");
        m.red(shift->sports_day, "スポーツの日");
    } else if (year >= 2003) {
        m.red(m.second_monday() + 7, "海の日");
    }
}

// 11 August from 2016 (2014 amendment).
void august(MonthMarks& m, int32_t year)
{
    if (const SummerShift* shift = summer_shift(year))
        m.red_with_substitute(shift->mountain_day, "山の日", true);
    else if (year >= 2016)
        m.red_with_substitute(11, "山の日", true);
}

// 15 September from 1966 (1966 amendment), the third Monday from 2003 (2001).
void september(MonthMarks& m, int32_t year)
{
    if (year >= 1966 && year <= 2002)
        m.red_with_substitute(15, "敬老の日", year >= 1973);
    if (year >= 2003)
        m.red(m.second_monday() + 7, "敬老の日");
    const int32_t equinox = equinox_day(year, 9);
    m.red_with_substitute(equinox, "秋分の日", year >= 1973);
    // A Wednesday equinox leaves one day between it and the Monday holiday.
    if (year >= 2003 && m.in_month(equinox) && m.weekday(equinox) == Wednesday)
        m.red(equinox - 1, "国民の休日");
}

// 10 October from 1966 (1966 amendment), the second Monday from 2000
// (1998), named スポーツの日 from 2020 (2018).
void october(MonthMarks& m, int32_t year)
{
    if (year >= 1966 && year <= 1999)
        m.red_with_substitute(10, "体育の日", year >= 1973);
    if (year >= 2000 && year <= 2019)
        m.red(m.second_monday(), "体育の日");
    if (year >= 2022)
        m.red(m.second_monday(), "スポーツの日");
}

void november(MonthMarks& m, int32_t year)
{
    m.red_with_substitute(3, "文化の日", year >= 1973);
    m.red_with_substitute(23, "勤労感謝の日", year >= 1973);
}

// The Heisei Emperor's birthday, 1989 to 2018 (1989 amendment).
void december(MonthMarks& m, int32_t year)
{
    if (year >= 1989 && year <= 2018)
        m.red_with_substitute(23, "天皇誕生日", true);
}

} // namespace

std::string Nen(int32_t year)
{
    for (const Era& era : Eras) {
        if (year >= era.first_year) {
            const int64_t number = int64_t{year} - era.first_year + 1;
            return std::string(era.name) + (number == 1 ? "元" : std::to_string(number)) + "年";
        }
    }
    return "年";
}

int32_t Month_Long(int32_t year, int32_t month)
{
    if (month == 2) {
        if (year % 400 == 0)
            return 29;
        if (year % 100 == 0)
            return 28;
        return year % 4 == 0 ? 29 : 28;
    }
    return month < 8 ? 30 + month % 2 : 31 - month % 2;
}

int32_t Get_Week(int32_t year, int32_t month, int32_t day)
{
    if (year <= 1582)
        return 8;
    int64_t y = year;
    int64_t m = month;
    if (m == 1 || m == 2) {
        y -= 1;
        m += 12;
    }
    // Years run to the top of int32_t, so the sums need 64 bits; the
    // remainder is taken non-negative so that any day still gives 1 to 7.
    const int64_t sum = y + floor_div(y, 4) - floor_div(y, 100) + floor_div(y, 400)
        + floor_div(13 * m + 8, 5) + day;
    const int64_t r = sum % 7;
    return static_cast<int32_t>((r < 0 ? r + 7 : r) + 1);
}

int32_t Second_Monday(int32_t first)
{
    constexpr int32_t second_monday_by_first[] = {9, 8, 14, 13, 12, 11, 10};
    if (first < 1 || first > 7)
        return 0;
    return second_monday_by_first[first - 1];
}

std::vector<HolidayMark> Holiday_Marks(int32_t year, int32_t month)
{
    if (year < 1948 || month < 1 || month > 12)
        return {};
    MonthMarks marks(year, month);
    using MonthRules = void (*)(MonthMarks&, int32_t);
    constexpr MonthRules rules[] = {january, february, march, april, may, nullptr,
                                    july, august, september, october, november, december};
    if (rules[month - 1])
        rules[month - 1](marks, year);
    for (const OneOffHoliday& holiday : OneOffHolidays)
        if (holiday.year == year && holiday.month == month)
            marks.red(holiday.day, holiday.name);
    return marks.take();
}

} // namespace calendar
