#include "platform/system/date.h"

#include "platform/application/testing.h"

#include <QDateTime>

#include <optional>

namespace platform {

namespace {

// Plain numbers: nothing of Qt is left for a static destructor.
struct FixedTime {
    int year, month, day, hour, minute, second;

    QDateTime ToQt() const { return {QDate(year, month, day), QTime(hour, minute, second)}; }
};

constinit std::optional<FixedTime> g_fixedNow;

} // namespace

Date::Date()
{
    const QDateTime now = g_fixedNow ? g_fixedNow->ToQt() : QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    year_ = date.year();
    month_ = date.month();
    day_ = date.day();
    dayOfWeek_ = date.dayOfWeek() % 7 + 1; // Qt counts Monday 1 .. Sunday 7
    hour_ = time.hour();
    second_ = time.second();
}

namespace testing {

void SetNow(int year, int month, int day, int hour, int minute, int second)
{
    g_fixedNow = FixedTime{year, month, day, hour, minute, second};
}

void ResetNow() { g_fixedNow.reset(); }

} // namespace testing

} // namespace platform
