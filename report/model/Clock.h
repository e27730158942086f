#pragma once

#include <QDateTime>
#include <chrono>

// The current local date and time, injected so that "today" is a fixed day in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds that only ever grow, for spacing work out in time.
    virtual qint64 elapsedMs() const { return now().toMSecsSinceEpoch(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 elapsedMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};
