#include "date.h"

#include "testing.h"

#include <QDateTime>

#include <optional>

namespace platform {

namespace {

std::optional<QDateTime> &FixedNow()
{
    static std::optional<QDateTime> now;
    return now;
}

} // namespace

Date::Date()
{
    const QDateTime now = FixedNow() ? *FixedNow() : QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    year_ = date.year();
    month_ = date.month();
    day_ = date.day();
    dayOfWeek_ = date.dayOfWeek() % 7 + 1; // Qt counts Monday 1 .. Sunday 7
    hour_ = time.hour();
    minute_ = time.minute();
    second_ = time.second();
}

namespace testing {

void SetNow(int year, int month, int day, int hour, int minute, int second)
{
    FixedNow() = QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

void ResetNow() { FixedNow().reset(); }

} // namespace testing

} // namespace platform
