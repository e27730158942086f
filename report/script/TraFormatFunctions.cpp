#include "TraSystemFunction.h"

#include "DateTimeDays.h"
#include "DateTimeFormat.h"
#include "EditMask.h"
#include "NumberFormat.h"

// The pictures are the display formats' own: one formatter for both.
namespace {

QString picture(const TraBuiltinCall& call) {
    return QString::fromLatin1(call.string(0));
}

void formatCurr(TraBuiltinCall& call) {
    call.result.setString(
        formatFloat(picture(call), call.currencyAmount(1), call.environment.settings).toLatin1());
}

void formatFloatText(TraBuiltinCall& call) {
    call.result.setString(formatFloat(picture(call), call.extended(1), call.environment.settings).toLatin1());
}

void formatDateTimeText(TraBuiltinCall& call) {
    call.result.setString(
        formatDateTime(picture(call), dateTimeFromDays(call.dateTime(1)), call.environment.settings)
            .toLatin1());
}

void formatMask(TraBuiltinCall& call) {
    call.result.setString(
        formatMaskText(picture(call), QString::fromLatin1(call.string(1)), call.environment.settings)
            .toLatin1());
}

} // namespace

void appendFormatFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::Format;
    list.push_back(
        {"FormatCurr", g, "function FormatCurr(const Format: String; Value: Currency): String;", formatCurr});
    list.push_back({"FormatDateTime", g,
                    "function FormatDateTime(const Format: String; aDateTime: DateTime): String;",
                    formatDateTimeText});
    list.push_back({"FormatFloat", g, "function FormatFloat(const Format: String; Value: Extended): String;",
                    formatFloatText});
    list.push_back({"FormatMaskText", g,
                    "function FormatMaskText(const EditMask: String; const Value: String): String;",
                    formatMask});
    list.push_back({"FormatString", g,
                    "function FormatString(const EditMask: String; const Value: String): String;",
                    formatMask});
}
