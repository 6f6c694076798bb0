#include "calendar/calendar.h"

#include <QStringList>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace calendar;
namespace chr = std::chrono;

namespace {

constexpr int32_t MinYear = std::numeric_limits<int32_t>::min();
constexpr int32_t MaxYear = std::numeric_limits<int32_t>::max();

// A month's holidays as the calendar window shows them: a mark that turns red
// colours its day, every mark names it, and a later name replaces an earlier
// one. A day that is named but never turned red is flagged, as it would show a
// tooltip on a plain cell.
QStringList shownHolidays(int32_t year, int32_t firstMonth, int32_t lastMonth)
{
    QStringList shown;
    for (int32_t month = firstMonth; month <= lastMonth; ++month) {
        std::map<int32_t, std::pair<bool, std::string>> cells;
        for (const HolidayMark& mark : Holiday_Marks(year, month)) {
            auto& cell = cells[mark.day];
            cell.first = cell.first || mark.turn_red;
            cell.second = mark.name;
        }
        for (const auto& [day, cell] : cells) {
            QString line = QStringLiteral("%1/%2 %3").arg(month).arg(day).arg(
                QString::fromStdString(cell.second));
            if (!cell.first)
                line += QStringLiteral(" (not red)");
            shown << line;
        }
    }
    return shown;
}

QStringList shownYear(int32_t year) { return shownHolidays(year, 1, 12); }

// The standard library's weekday, 1 Sunday to 7 Saturday. Beyond the range of
// std::chrono::year the date is moved by whole 400-year cycles, which leave the
// weekday unchanged (146097 days are exactly 20871 weeks).
int32_t civilWeekday(int64_t year, unsigned month, unsigned day)
{
    int64_t y = year;
    if (y > 9999)
        y = 2000 + (y - 2000) % 400;
    const chr::year_month_day date{chr::year{static_cast<int>(y)}, chr::month{month},
                                   chr::day{day}};
    return static_cast<int32_t>(chr::weekday{chr::sys_days{date}}.c_encoding()) + 1;
}

bool isNationalHoliday(const std::string& name)
{
    return name != "振替休日" && name != "国民の休日";
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void nen_data();
    void nen();
    void monthLong_data();
    void monthLong();
    void getWeek_data();
    void getWeek();
    void getWeekAndMonthLongMatchCivilCalendar();
    void secondMonday_data();
    void secondMonday();
    void holidayMonths_data();
    void holidayMonths();
    void holidayYears_data();
    void holidayYears();
    void markOrder_data();
    void markOrder();
    void marksStayInsideTheirMonth();
    void substituteAndCitizensHolidaysFollowTheLaw();
};

void TestCalendar::nen_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");

    QTest::newRow("before Meiji: no era") << 1867 << "年";
    QTest::newRow("year zero: no era") << 0 << "年";
    QTest::newRow("negative year: no era") << -1 << "年";
    QTest::newRow("lowest year: no era") << int(MinYear) << "年";
    QTest::newRow("Meiji first year is 元") << 1868 << "明治元年";
    QTest::newRow("Meiji last year") << 1911 << "明治44年";
    QTest::newRow("Taisho first year") << 1912 << "大正元年";
    QTest::newRow("Taisho last year") << 1925 << "大正14年";
    QTest::newRow("Showa first year") << 1926 << "昭和元年";
    QTest::newRow("Showa last year") << 1988 << "昭和63年";
    QTest::newRow("Heisei first year") << 1989 << "平成元年";
    QTest::newRow("Heisei 12") << 2000 << "平成12年";
    QTest::newRow("Heisei last year") << 2018 << "平成30年";
    QTest::newRow("Reiwa first year") << 2019 << "令和元年";
    QTest::newRow("Reiwa 6") << 2024 << "令和6年";
    QTest::newRow("Reiwa 8") << 2026 << "令和8年";
    QTest::newRow("Reiwa runs on to the largest year") << int(MaxYear) << "令和2147481629年";
}

void TestCalendar::nen()
{
    QFETCH(int, year);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Nen(year)), text);
}

void TestCalendar::monthLong_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");

    QTest::newRow("February, century not divisible by 400") << 1900 << 2 << 28;
    QTest::newRow("February, divisible by 400") << 2000 << 2 << 29;
    QTest::newRow("February, divisible by 4") << 2004 << 2 << 29;
    QTest::newRow("February, common year") << 2023 << 2 << 28;
    QTest::newRow("January") << 2023 << 1 << 31;
    QTest::newRow("April") << 2023 << 4 << 30;
    QTest::newRow("July") << 2023 << 7 << 31;
    QTest::newRow("August") << 2023 << 8 << 31;
    QTest::newRow("September") << 2023 << 9 << 30;
    QTest::newRow("December") << 2023 << 12 << 31;
    QTest::newRow("February of the largest year") << int(MaxYear) << 2 << 28;
}

void TestCalendar::monthLong()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QCOMPARE(Month_Long(year, month), days);
}

void TestCalendar::getWeek_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("weekday");

    QTest::newRow("1582 gives 8, even after the Gregorian reform") << 1582 << 10 << 15 << 8;
    QTest::newRow("last day of 1582 gives 8") << 1582 << 12 << 31 << 8;
    QTest::newRow("year zero gives 8") << 0 << 6 << 1 << 8;
    QTest::newRow("lowest year gives 8") << int(MinYear) << 1 << 1 << 8;
    QTest::newRow("1 Jan 1583: year tested before Jan counts in 1582") << 1583 << 1 << 1 << 7;
    QTest::newRow("1 Jan 2000 Saturday") << 2000 << 1 << 1 << 7;
    QTest::newRow("1 Mar 2000 Wednesday") << 2000 << 3 << 1 << 4;
    QTest::newRow("29 Feb 2024 Thursday") << 2024 << 2 << 29 << 5;
    QTest::newRow("11 Feb 2007 Sunday") << 2007 << 2 << 11 << 1;
    // 2147483647 is 2047 plus whole 400-year cycles; 31 Dec 2047 is a Tuesday.
    QTest::newRow("31 Dec of the largest year, sums kept wide") << int(MaxYear) << 12 << 31 << 3;
}

void TestCalendar::getWeek()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, weekday);
    QCOMPARE(Get_Week(year, month, day), weekday);
}

void TestCalendar::getWeekAndMonthLongMatchCivilCalendar()
{
    // Every day of four centuries from the first Gregorian year, then the
    // month edges of years spread over the whole range, then every day of the
    // last four centuries before the 32-bit limit.
    const auto checkYear = [](int64_t year, bool everyDay) {
        for (unsigned month = 1; month <= 12; ++month) {
            const int32_t length = Month_Long(int32_t(year), int32_t(month));
            const int64_t civilYear = year > 9999 ? 2000 + (year - 2000) % 400 : year;
            const unsigned civilLength = unsigned(
                chr::year_month_day_last{chr::year{int(civilYear)},
                                         chr::month_day_last{chr::month{month}}}
                    .day());
            QCOMPARE(unsigned(length), civilLength);
            for (unsigned day = 1; day <= civilLength; ++day) {
                if (!everyDay && day != 1 && day != 28 && day != civilLength)
                    continue;
                const int32_t got = Get_Week(int32_t(year), int32_t(month), int32_t(day));
                if (got != civilWeekday(year, month, day))
                    QFAIL(qPrintable(QStringLiteral("Get_Week(%1, %2, %3) = %4, civil calendar %5")
                                         .arg(year).arg(month).arg(day).arg(got)
                                         .arg(civilWeekday(year, month, day))));
            }
        }
    };
    for (int64_t year = 1583; year < 1583 + 400 && !QTest::currentTestFailed(); ++year)
        checkYear(year, true);
    for (int64_t year = 1983; year < MaxYear - 400 && !QTest::currentTestFailed(); year += 999983)
        checkYear(year, false);
    for (int64_t year = int64_t{MaxYear} - 400; year <= MaxYear && !QTest::currentTestFailed();
         ++year)
        checkYear(year, true);
}

void TestCalendar::secondMonday_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("secondMonday");

    QTest::newRow("no weekday 0") << 0 << 0;
    QTest::newRow("month starting Sunday") << 1 << 9;
    QTest::newRow("month starting Monday") << 2 << 8;
    QTest::newRow("month starting Tuesday") << 3 << 14;
    QTest::newRow("month starting Wednesday") << 4 << 13;
    QTest::newRow("month starting Thursday") << 5 << 12;
    QTest::newRow("month starting Friday") << 6 << 11;
    QTest::newRow("month starting Saturday") << 7 << 10;
    QTest::newRow("8 of a year up to 1582") << 8 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("lowest value") << int(MinYear) << 0;
}

void TestCalendar::secondMonday()
{
    QFETCH(int, first);
    QFETCH(int, secondMonday);
    QCOMPARE(Second_Monday(first), secondMonday);
}

void TestCalendar::holidayMonths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("shown");

    // Expected days: the civil calendar's weekdays and the national holiday
    // law with its amendments (substitute holidays from 12 April 1973,
    // citizens' holidays from 1986), as in the official list of holidays.
    QTest::newRow("no holiday before 1948") << 1947 << 11 << QStringList{};
    QTest::newRow("no holiday in an ordinary June") << 2024 << 6 << QStringList{};
    QTest::newRow("June 1993: the one June with a mark") << 1993 << 6
        << QStringList{"6/9 結婚の儀"};

    QTest::newRow("January 1999: fixed Coming of Age Day") << 1999 << 1
        << QStringList{"1/1 元旦", "1/15 成人の日"};
    QTest::newRow("January 2000: second Monday, the 1st a Saturday") << 2000 << 1
        << QStringList{"1/1 元旦", "1/10 成人の日"};
    QTest::newRow("January 2023: Sunday New Year gives the 2nd") << 2023 << 1
        << QStringList{"1/1 元旦", "1/2 振替休日", "1/9 成人の日"};

    QTest::newRow("February 1966: before Foundation Day") << 1966 << 2 << QStringList{};
    QTest::newRow("February 1967: Foundation Day begins") << 1967 << 2
        << QStringList{"2/11 建国記念日"};
    QTest::newRow("February 1973: Sunday 11th, substitutes not yet") << 1973 << 2
        << QStringList{"2/11 建国記念日"};
    QTest::newRow("February 1979: Sunday 11th gives the 12th") << 1979 << 2
        << QStringList{"2/11 建国記念日", "2/12 振替休日"};
    QTest::newRow("February 1989: state funeral") << 1989 << 2
        << QStringList{"2/11 建国記念日", "2/24 大喪の礼"};
    QTest::newRow("February 2019: no Emperor's Birthday yet") << 2019 << 2
        << QStringList{"2/11 建国記念日"};
    QTest::newRow("February 2020: Sunday Emperor's Birthday gives the 24th") << 2020 << 2
        << QStringList{"2/11 建国記念日", "2/23 天皇誕生日", "2/24 振替休日"};
    QTest::newRow("February 2024: Sunday 11th, and the 23rd") << 2024 << 2
        << QStringList{"2/11 建国記念日", "2/12 振替休日", "2/23 天皇誕生日"};
    QTest::newRow("February 2025: Sunday 23rd gives the 24th") << 2025 << 2
        << QStringList{"2/11 建国記念日", "2/23 天皇誕生日", "2/24 振替休日"};

    // Before 1980 the quarter-year term is floored: 21 March and 23 September
    // 1949, as recorded (truncation would give the 20th and the 22nd).
    QTest::newRow("March 1949: equinox floored") << 1949 << 3 << QStringList{"3/21 春分の日"};
    QTest::newRow("September 1949: equinox floored") << 1949 << 9
        << QStringList{"9/23 秋分の日"};
    QTest::newRow("March 2000: equinox on the 20th") << 2000 << 3
        << QStringList{"3/20 春分の日"};

    QTest::newRow("April 1959: royal wedding") << 1959 << 4
        << QStringList{"4/10 結婚の儀", "4/29 天皇誕生日"};
    QTest::newRow("April 1973: the first substitute holiday") << 1973 << 4
        << QStringList{"4/29 天皇誕生日", "4/30 振替休日"};
    QTest::newRow("April 1988: 29th renamed Emperor's Birthday") << 1988 << 4
        << QStringList{"4/29 天皇誕生日"};
    QTest::newRow("April 1989: 29th Greenery Day") << 1989 << 4
        << QStringList{"4/29 みどりの日"};
    QTest::newRow("April 2006: 29th still Greenery Day") << 2006 << 4
        << QStringList{"4/29 みどりの日"};
    QTest::newRow("April 2007: Showa Day on a Sunday gives the 30th") << 2007 << 4
        << QStringList{"4/29 昭和の日", "4/30 振替休日"};

    QTest::newRow("May 1981: Sunday 3rd gives the 4th") << 1981 << 5
        << QStringList{"5/3 憲法記念日", "5/4 振替休日", "5/5 こどもの日"};
    QTest::newRow("May 1985: 4th not yet a citizens' holiday, Sunday 5th gives the 6th")
        << 1985 << 5 << QStringList{"5/3 憲法記念日", "5/5 こどもの日", "5/6 振替休日"};
    QTest::newRow("May 1986: a Sunday 4th stays a plain Sunday") << 1986 << 5
        << QStringList{"5/3 憲法記念日", "5/5 こどもの日"};
    QTest::newRow("May 1987: substitute name wins over citizens' holiday") << 1987 << 5
        << QStringList{"5/3 憲法記念日", "5/4 振替休日", "5/5 こどもの日"};
    QTest::newRow("May 1988: citizens' holiday on the 4th") << 1988 << 5
        << QStringList{"5/3 憲法記念日", "5/4 国民の休日", "5/5 こどもの日"};
    QTest::newRow("May 2006: the 4th still a citizens' holiday") << 2006 << 5
        << QStringList{"5/3 憲法記念日", "5/4 国民の休日", "5/5 こどもの日"};
    QTest::newRow("May 2008: Sunday 4th gives the 6th") << 2008 << 5
        << QStringList{"5/3 憲法記念日", "5/4 みどりの日", "5/5 こどもの日", "5/6 振替休日"};

    QTest::newRow("July 1995: before Marine Day") << 1995 << 7 << QStringList{};
    QTest::newRow("July 1996: fixed 20th, a Saturday") << 1996 << 7
        << QStringList{"7/20 海の日"};
    QTest::newRow("July 2002: the last fixed 20th, not the third Monday") << 2002 << 7
        << QStringList{"7/20 海の日"};
    QTest::newRow("July 2003: third Monday") << 2003 << 7 << QStringList{"7/21 海の日"};

    QTest::newRow("August 2015: before Mountain Day") << 2015 << 8 << QStringList{};
    QTest::newRow("August 2016: first Mountain Day") << 2016 << 8
        << QStringList{"8/11 山の日"};

    QTest::newRow("September 1965: before Respect for the Aged Day") << 1965 << 9
        << QStringList{"9/23 秋分の日"};
    QTest::newRow("September 1966: Respect for the Aged Day begins") << 1966 << 9
        << QStringList{"9/15 敬老の日", "9/23 秋分の日"};
    QTest::newRow("September 1973: Sunday equinox gives the 24th") << 1973 << 9
        << QStringList{"9/15 敬老の日", "9/23 秋分の日", "9/24 振替休日"};
    QTest::newRow("September 2002: the last fixed 15th, a Sunday, gives the 16th") << 2002 << 9
        << QStringList{"9/15 敬老の日", "9/16 振替休日", "9/23 秋分の日"};
    QTest::newRow("September 2003: third Monday") << 2003 << 9
        << QStringList{"9/15 敬老の日", "9/23 秋分の日"};
    QTest::newRow("September 2015: citizens' holiday before a Wednesday equinox") << 2015 << 9
        << QStringList{"9/21 敬老の日", "9/22 国民の休日", "9/23 秋分の日"};

    QTest::newRow("October 1965: before Sports Day") << 1965 << 10 << QStringList{};
    QTest::newRow("October 1966: Sports Day begins") << 1966 << 10
        << QStringList{"10/10 体育の日"};
    QTest::newRow("October 1999: Sunday Sports Day gives the 11th") << 1999 << 10
        << QStringList{"10/10 体育の日", "10/11 振替休日"};
    QTest::newRow("October 2000: second Monday") << 2000 << 10
        << QStringList{"10/9 体育の日"};
    QTest::newRow("October 2022: renamed Sports Day on the second Monday") << 2022 << 10
        << QStringList{"10/10 スポーツの日"};

    QTest::newRow("November 1990: enthronement ceremony") << 1990 << 11
        << QStringList{"11/3 文化の日", "11/12 即位礼正殿の儀", "11/23 勤労感謝の日"};

    QTest::newRow("December 1988: before the Heisei birthday") << 1988 << 12
        << QStringList{};
    QTest::newRow("December 1989: the Heisei birthday begins") << 1989 << 12
        << QStringList{"12/23 天皇誕生日"};
    QTest::newRow("December 2007: Sunday 23rd gives the 24th") << 2007 << 12
        << QStringList{"12/23 天皇誕生日", "12/24 振替休日"};
    QTest::newRow("December 2018: last Heisei birthday") << 2018 << 12
        << QStringList{"12/23 天皇誕生日", "12/24 振替休日"};
    QTest::newRow("December 2019: no birthday any more") << 2019 << 12 << QStringList{};
}

void TestCalendar::holidayMonths()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QStringList, shown);
    QCOMPARE(shownHolidays(year, month, month), shown);
}

void TestCalendar::holidayYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("shown");

    // The law took effect in July 1948: only the autumn holidays remain.
    QTest::newRow("1948: the first holiday year") << 1948
        << QStringList{"9/23 秋分の日", "11/3 文化の日", "11/23 勤労感謝の日"};
    QTest::newRow("1949: the first whole year, no substitute holidays yet") << 1949
        << QStringList{"1/1 元旦", "1/15 成人の日", "3/21 春分の日", "4/29 天皇誕生日",
                       "5/3 憲法記念日", "5/5 こどもの日", "9/23 秋分の日", "11/3 文化の日",
                       "11/23 勤労感謝の日"};

    // 2007, 2009 and 2016 as published with the holiday rules.
    QTest::newRow("2007: Showa Day and the moved substitute begin") << 2007
        << QStringList{"1/1 元旦", "1/8 成人の日", "2/11 建国記念日", "2/12 振替休日",
                       "3/21 春分の日", "4/29 昭和の日", "4/30 振替休日", "5/3 憲法記念日",
                       "5/4 みどりの日", "5/5 こどもの日", "7/16 海の日", "9/17 敬老の日",
                       "9/23 秋分の日", "9/24 振替休日", "10/8 体育の日", "11/3 文化の日",
                       "11/23 勤労感謝の日", "12/23 天皇誕生日", "12/24 振替休日"};
    QTest::newRow("2009: Sunday 3 May gives 6 May, a citizens' holiday in September") << 2009
        << QStringList{"1/1 元旦", "1/12 成人の日", "2/11 建国記念日", "3/20 春分の日",
                       "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日", "5/5 こどもの日",
                       "5/6 振替休日", "7/20 海の日", "9/21 敬老の日", "9/22 国民の休日",
                       "9/23 秋分の日", "10/12 体育の日", "11/3 文化の日",
                       "11/23 勤労感謝の日", "12/23 天皇誕生日"};
    QTest::newRow("2016: Mountain Day begins, spring equinox on the 20th") << 2016
        << QStringList{"1/1 元旦", "1/11 成人の日", "2/11 建国記念日", "3/20 春分の日",
                       "3/21 振替休日", "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日",
                       "5/5 こどもの日", "7/18 海の日", "8/11 山の日", "9/19 敬老の日",
                       "9/22 秋分の日", "10/10 体育の日", "11/3 文化の日",
                       "11/23 勤労感謝の日", "12/23 天皇誕生日"};

    // 2019 to 2026 as in the official list of national holidays.
    QTest::newRow("2019: abdication and enthronement holidays") << 2019
        << QStringList{"1/1 元旦", "1/14 成人の日", "2/11 建国記念日", "3/21 春分の日",
                       "4/29 昭和の日", "4/30 国民の休日", "5/1 即位の日", "5/2 国民の休日",
                       "5/3 憲法記念日", "5/4 みどりの日", "5/5 こどもの日", "5/6 振替休日",
                       "7/15 海の日", "8/11 山の日", "8/12 振替休日", "9/16 敬老の日",
                       "9/23 秋分の日", "10/14 体育の日", "10/22 即位礼正殿の儀",
                       "11/3 文化の日", "11/4 振替休日", "11/23 勤労感謝の日"};
    QTest::newRow("2020: summer holidays moved, none in October") << 2020
        << QStringList{"1/1 元旦", "1/13 成人の日", "2/11 建国記念日", "2/23 天皇誕生日",
                       "2/24 振替休日", "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日",
                       "5/4 みどりの日", "5/5 こどもの日", "5/6 振替休日", "7/23 海の日",
                       "7/24 スポーツの日", "8/10 山の日", "9/21 敬老の日", "9/22 秋分の日",
                       "11/3 文化の日", "11/23 勤労感謝の日"};
    QTest::newRow("2021: summer holidays moved, Sunday Mountain Day") << 2021
        << QStringList{"1/1 元旦", "1/11 成人の日", "2/11 建国記念日", "2/23 天皇誕生日",
                       "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日",
                       "5/5 こどもの日", "7/22 海の日", "7/23 スポーツの日", "8/8 山の日",
                       "8/9 振替休日", "9/20 敬老の日", "9/23 秋分の日", "11/3 文化の日",
                       "11/23 勤労感謝の日"};
    QTest::newRow("2026: Sunday 3 May, citizens' holiday in September") << 2026
        << QStringList{"1/1 元旦", "1/12 成人の日", "2/11 建国記念日", "2/23 天皇誕生日",
                       "3/20 春分の日", "4/29 昭和の日", "5/3 憲法記念日", "5/4 みどりの日",
                       "5/5 こどもの日", "5/6 振替休日", "7/20 海の日", "8/11 山の日",
                       "9/21 敬老の日", "9/22 国民の休日", "9/23 秋分の日",
                       "10/12 スポーツの日", "11/3 文化の日", "11/23 勤労感謝の日"};
}

void TestCalendar::holidayYears()
{
    QFETCH(int, year);
    QFETCH(QStringList, shown);
    QCOMPARE(shownYear(year), shown);
}

void TestCalendar::markOrder_data()
{
    // Marks written as day, "+" for one that turns red or "=" for a rename, name.
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("marks");

    QTest::newRow("29 April turns red first, then is renamed (1988)") << 1988 << 4
        << QStringList{"29+みどりの日", "29=天皇誕生日"};
    QTest::newRow("29 April renamed Showa Day, substitute after (2007)") << 2007 << 4
        << QStringList{"29+みどりの日", "29=昭和の日", "30+振替休日"};
    QTest::newRow("4 May substitute after the citizens' holiday (1987)") << 1987 << 5
        << QStringList{"3+憲法記念日", "4+国民の休日", "4+振替休日", "5+こどもの日"};
    QTest::newRow("4 May renamed Greenery Day (2008)") << 2008 << 5
        << QStringList{"3+憲法記念日", "4+国民の休日", "4=みどりの日", "5+こどもの日",
                       "6+振替休日"};
}

void TestCalendar::markOrder()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QStringList, marks);
    QStringList got;
    for (const HolidayMark& mark : Holiday_Marks(year, month))
        got << QString::number(mark.day) + QChar(mark.turn_red ? u'+' : u'=')
                + QString::fromStdString(mark.name);
    QCOMPARE(got, marks);
}

void TestCalendar::marksStayInsideTheirMonth()
{
    // Far years push the equinox formula out of its month (spring from 4524,
    // autumn from 4832) and, in 32 bits, out of range from 10751; a holiday
    // that falls out of the month must take its substitute with it.
    const auto checkYear = [](int32_t year) {
        for (int32_t month = 1; month <= 12; ++month) {
            const auto marks = Holiday_Marks(year, month);
            if (year < 1948 && !marks.empty())
                QFAIL(qPrintable(QStringLiteral("mark before 1948: %1/%2").arg(year).arg(month)));
            std::map<int32_t, bool> red;
            for (const HolidayMark& mark : marks) {
                if (mark.day < 1 || mark.day > Month_Long(year, month))
                    QFAIL(qPrintable(QStringLiteral("day %1 outside %2/%3")
                                         .arg(mark.day).arg(year).arg(month)));
                if (!mark.turn_red && !red[mark.day])
                    QFAIL(qPrintable(QStringLiteral("rename of a day not red: %1/%2/%3")
                                         .arg(year).arg(month).arg(mark.day)));
                if (mark.name == "振替休日" && !red[mark.day - 1])
                    QFAIL(qPrintable(QStringLiteral("substitute after a plain day: %1/%2/%3")
                                         .arg(year).arg(month).arg(mark.day)));
                red[mark.day] = red[mark.day] || mark.turn_red;
            }
            if (month == 6 && year != 1993 && !marks.empty())
                QFAIL(qPrintable(QStringLiteral("a mark in June %1").arg(year)));
        }
    };
    std::vector<int32_t> years{MinYear, -1, 0, 1, 1582, 1900};
    for (int32_t year = 1940; year <= 12000; ++year)
        years.push_back(year);
    for (int32_t year = MaxYear - 50; year != MaxYear; ++year)
        years.push_back(year);
    years.push_back(MaxYear);
    for (int32_t year : years) {
        checkYear(year);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestCalendar::substituteAndCitizensHolidaysFollowTheLaw()
{
    // The two derived rules, checked on the whole list of red days rather than
    // month by month (30 April 2019 lies between two months' holidays):
    // - from 12 April 1973 a national holiday on a Sunday moves a substitute
    //   holiday to the next day that is not a national holiday, and every
    //   substitute holiday comes from such a Sunday;
    // - from 1986 a weekday between two national holidays is a holiday, and a
    //   citizens' holiday is always such a day.
    // The published equinox formula holds from 1980 to 2099; the derived rules
    // are checked a little beyond, where they must stay consistent.
    std::map<chr::sys_days, std::string> holidays;
    for (int32_t year = 1948; year <= 2150; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (const HolidayMark& mark : Holiday_Marks(year, month)) {
                const chr::sys_days date{chr::year{year} / chr::month{unsigned(month)}
                                         / chr::day{unsigned(mark.day)}};
                holidays[date] = mark.name;
            }
        }
    }
    const auto nameOf = [&](chr::sys_days date) {
        const auto it = holidays.find(date);
        return it == holidays.end() ? std::string{} : it->second;
    };
    const auto national = [&](chr::sys_days date) {
        const std::string name = nameOf(date);
        return !name.empty() && isNationalHoliday(name);
    };
    const auto text = [](chr::sys_days date) {
        const chr::year_month_day ymd{date};
        return QStringLiteral("%1-%2-%3").arg(int(ymd.year())).arg(unsigned(ymd.month()))
            .arg(unsigned(ymd.day()));
    };
    const chr::sys_days substitutesBegin{chr::year{1973} / 4 / 12};
    const chr::sys_days citizensBegin{chr::year{1986} / 1 / 1};

    for (const auto& [date, name] : holidays) {
        const bool sunday = chr::weekday{date} == chr::Sunday;
        if (isNationalHoliday(name) && sunday && date >= substitutesBegin) {
            chr::sys_days next = date + chr::days{1};
            while (national(next))
                next += chr::days{1};
            QVERIFY2(nameOf(next) == "振替休日", qPrintable(text(date)));
        }
        if (name == "振替休日") {
            chr::sys_days before = date - chr::days{1};
            bool fromSunday = false;
            while (national(before) && !fromSunday) {
                fromSunday = chr::weekday{before} == chr::Sunday;
                before -= chr::days{1};
            }
            QVERIFY2(fromSunday && date > substitutesBegin, qPrintable(text(date)));
        }
        if (name == "国民の休日") {
            QVERIFY2(!sunday && date >= citizensBegin, qPrintable(text(date)));
            QVERIFY2(national(date - chr::days{1}) && national(date + chr::days{1}),
                     qPrintable(text(date)));
        }
    }
    for (chr::sys_days date = citizensBegin; date < chr::sys_days{chr::year{2151} / 1 / 1};
         date += chr::days{1}) {
        if (chr::weekday{date} != chr::Sunday && national(date - chr::days{1})
            && national(date + chr::days{1}))
            QVERIFY2(!nameOf(date).empty(), qPrintable(text(date)));
    }
}

QTEST_APPLESS_MAIN(TestCalendar)

#include "tst_calendar.moc"
