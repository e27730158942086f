#include "TraSystemFunction.h"

#include "DateTimeDays.h"
#include "DateTimeFormat.h"
#include "DateTimeParse.h"
#include "NumberFormat.h"
#include "NumberParse.h"
#include "TraConversions.h"
#include "TraRunError.h"

// Texts are read and written with the environment's separators and patterns;
// surrounding blanks are ignored when reading.
namespace {

QString text(const TraBuiltinCall& call, int i) {
    return QString::fromLatin1(call.string(i)).trimmed();
}

[[noreturn]] void notValid(const TraBuiltinCall& call, int i, const char* what) {
    throw TraRunError(QStringLiteral("'%1' is not a valid %2")
                          .arg(QString::fromLatin1(call.string(i)), QLatin1String(what)));
}

int currentYear(const TraBuiltinCall& call) {
    return call.environment.now().date().year();
}

QByteArray dateText(const TraBuiltinCall& call, const char* picture, double days) {
    return formatDateTime(QLatin1String(picture), dateTimeFromDays(days), call.environment.settings)
        .toLatin1();
}

void strToCurr(TraBuiltinCall& call) {
    const std::optional<long double> value = parseFloat(text(call, 0), call.environment.settings);
    if (!value)
        notValid(call, 0, "number");
    call.result.setCurrencyScaled(currencyFromAmount(*value));
}

void strToFloat(TraBuiltinCall& call) {
    const std::optional<long double> value = parseFloat(text(call, 0), call.environment.settings);
    if (!value)
        notValid(call, 0, "number");
    call.result.setExtended(*value);
}

void strToInt(TraBuiltinCall& call) {
    const std::optional<qint32> value = parseInt32(text(call, 0));
    if (!value)
        notValid(call, 0, "integer");
    call.result.setInteger(*value);
}

void strToIntDef(TraBuiltinCall& call) {
    call.result.setInteger(parseInt32(text(call, 0)).value_or(call.integer(1)));
}

void strToDate(TraBuiltinCall& call) {
    const std::optional<double> value =
        parseDate(text(call, 0), call.environment.settings, currentYear(call));
    if (!value)
        notValid(call, 0, "date");
    call.result.setDateValue(daDate, *value);
}

void strToDateTime(TraBuiltinCall& call) {
    const std::optional<double> value =
        parseDateTime(text(call, 0), call.environment.settings, currentYear(call));
    if (!value)
        notValid(call, 0, "date and time");
    call.result.setDateValue(daDateTime, *value);
}

void strToTime(TraBuiltinCall& call) {
    const std::optional<double> value = parseTime(text(call, 0), call.environment.settings);
    if (!value)
        notValid(call, 0, "time");
    call.result.setDateValue(daTime, *value);
}

void currToStr(TraBuiltinCall& call) {
    call.result.setString(formatGeneral(call.currencyAmount(0), call.environment.settings, 18).toLatin1());
}

void floatToStr(TraBuiltinCall& call) {
    call.result.setString(formatGeneral(call.extended(0), call.environment.settings, 15).toLatin1());
}

void intToStr(TraBuiltinCall& call) {
    call.result.setString(QByteArray::number(call.integer(0)));
}

void dateToStr(TraBuiltinCall& call) {
    call.result.setString(dateText(call, "ddddd", call.dateTime(0)));
}
void dateTimeToStr(TraBuiltinCall& call) {
    call.result.setString(dateText(call, "c", call.dateTime(0)));
}
void timeToStr(TraBuiltinCall& call) {
    call.result.setString(dateText(call, "tt", call.dateTime(0)));
}

void rgb(TraBuiltinCall& call) {
    call.result.setInteger((call.integer(0) & 255) + (call.integer(1) & 255) * 256 +
                           (call.integer(2) & 255) * 65536);
}

void chr(TraBuiltinCall& call) {
    call.result.setChar(char(call.integer(0) & 255));
}

} // namespace

void appendConversionFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::Conversion;
    list.push_back({"StrToCurr", g, "function StrToCurr(const S: String): Currency;", strToCurr});
    list.push_back({"StrToDate", g, "function StrToDate(const S: String): Date;", strToDate});
    list.push_back({"StrToDateTime", g, "function StrToDateTime(const S: String): DateTime;", strToDateTime});
    list.push_back({"StrToFloat", g, "function StrToFloat(const S: String): Extended;", strToFloat});
    list.push_back({"StrToInt", g, "function StrToInt(const S: String): Integer;", strToInt});
    list.push_back(
        {"StrToIntDef", g, "function StrToIntDef(const S: String; Default: Integer): Integer;", strToIntDef});
    list.push_back({"StrToTime", g, "function StrToTime(const S: String): Time;", strToTime});
    list.push_back({"CurrToStr", g, "function CurrToStr(Value: Currency): String;", currToStr});
    list.push_back({"DateToStr", g, "function DateToStr(aDate: Date): String;", dateToStr});
    list.push_back(
        {"DateTimeToStr", g, "function DateTimeToStr(aDateTime: DateTime): String;", dateTimeToStr});
    list.push_back({"FloatToStr", g, "function FloatToStr(Value: Extended): String;", floatToStr});
    list.push_back({"IntToStr", g, "function IntToStr(Value: Integer): String;", intToStr});
    list.push_back({"RGB", g, "function RGB(aRed, aGreen, aBlue: Integer): Integer;", rgb});
    list.push_back({"TimeToStr", g, "function TimeToStr(aTime: Time): String;", timeToStr});
    list.push_back({"Chr", g, "function Chr(Value: Integer): Char;", chr});
}
