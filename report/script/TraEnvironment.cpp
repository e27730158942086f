#include "TraEnvironment.h"

#include "DateTimeDays.h"

QDateTime TraEnvironment::now() const {
    if (clock)
        return clock->now();
    return QDateTime::currentDateTime();
}

double TraEnvironment::nowInDays() const {
    return daysFromDateTime(now());
}

const TraEnvironment& TraEnvironment::standard() {
    static const TraEnvironment environment;
    return environment;
}
