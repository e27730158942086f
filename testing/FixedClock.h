#pragma once

#include "Clock.h"

// A clock that reads the same moment, by default 15 March 2024 at 09:00, so that "today" in
// inputs, reports and pages is a known day, until a test moves it on by hand (`ms`).
class FixedClock final : public Clock {
public:
    FixedClock() = default;
    explicit FixedClock(const QDateTime& at) : at_(at) {}
    QDateTime now() const override { return at_.addMSecs(ms); }
    // Milliseconds the test has moved the clock on by.
    qint64 ms = 0;

private:
    QDateTime at_{QDate(2024, 3, 15), QTime(9, 0)};
};
