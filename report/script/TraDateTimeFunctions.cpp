#include "TraSystemFunction.h"

#include "DateTimeDays.h"
#include "TraRunError.h"

#include <cmath>

// Dates and times are day counts since 30 December 1899; "now" comes from the
// environment's clock.
namespace {

void currentDate(TraBuiltinCall& call) {
    call.result.setDateValue(daDate, std::trunc(call.environment.nowInDays()));
}

void currentDateTime(TraBuiltinCall& call) {
    call.result.setDateValue(daDateTime, call.environment.nowInDays());
}

void currentTime(TraBuiltinCall& call) {
    const double now = call.environment.nowInDays();
    call.result.setDateValue(daDateTime, std::fabs(now - std::trunc(now)));
}

void dayOfWeek(TraBuiltinCall& call) {
    call.result.setInteger(decodeDate(call.dateTime(0)).dayOfWeek);
}

void decodeDateParts(TraBuiltinCall& call) {
    const DecodedDate date = decodeDate(call.dateTime(0));
    call.params[1].setInteger(date.year);
    call.params[2].setInteger(date.month);
    call.params[3].setInteger(date.day);
}

void decodeTimeParts(TraBuiltinCall& call) {
    const DecodedTime time = decodeTime(call.dateTime(0));
    call.params[1].setInteger(time.hour);
    call.params[2].setInteger(time.minute);
    call.params[3].setInteger(time.second);
    call.params[4].setInteger(time.millisecond);
}

void encodeDateParts(TraBuiltinCall& call) {
    const std::optional<double> date = encodeDate(call.integer(0), call.integer(1), call.integer(2));
    if (!date)
        throw TraRunError(QStringLiteral("Year %1, month %2, day %3 is not a valid date")
                              .arg(call.integer(0))
                              .arg(call.integer(1))
                              .arg(call.integer(2)));
    call.result.setDateValue(daDateTime, *date);
}

void encodeTimeParts(TraBuiltinCall& call) {
    const std::optional<double> time =
        encodeTime(call.integer(0), call.integer(1), call.integer(2), call.integer(3));
    if (!time)
        throw TraRunError(QStringLiteral("%1 h %2 min %3 s %4 ms is not a valid time")
                              .arg(call.integer(0))
                              .arg(call.integer(1))
                              .arg(call.integer(2))
                              .arg(call.integer(3)));
    call.result.setDateValue(daDateTime, *time);
}

} // namespace

void appendDateTimeFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::DateTime;
    list.push_back({"CurrentDate", g, "function CurrentDate: Date;", currentDate});
    list.push_back({"DayOfWeek", g, "function DayOfWeek(aDate: DateTime): Integer;", dayOfWeek});
    list.push_back({"CurrentDateTime", g, "function CurrentDateTime: DateTime;", currentDateTime});
    list.push_back({"CurrentTime", g, "function CurrentTime: DateTime;", currentTime});
    list.push_back(
        {"EncodeTime", g, "function EncodeTime(Hour, Min, Sec, MSec: Integer): DateTime;", encodeTimeParts});
    list.push_back({"DecodeTime", g,
                    "procedure DecodeTime(aTime: DateTime; var Hour, Min, Sec, MSec: Integer);",
                    decodeTimeParts});
    list.push_back(
        {"EncodeDate", g, "function EncodeDate(Year, Month, Day: Integer): DateTime;", encodeDateParts});
    list.push_back({"DecodeDate", g, "procedure DecodeDate(aDate: DateTime; var Year, Month, Day: Integer);",
                    decodeDateParts});
}
