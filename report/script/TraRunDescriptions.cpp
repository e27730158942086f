// What scripts read of a report while it prints (the engine's pages,
// passes and bands) and the subreports that print child reports.

#include "DateTimeDays.h"
#include "TppBand.h"
#include "TppChildReport.h"
#include "TppCustomEngine.h"
#include "TppCustomReport.h"
#include "TppRegion.h"
#include "TppSubReport.h"
#include "TraDescribe.h"

namespace TraDescribe {

namespace {

// A report that is not printing has no engine yet; it answers as one that
// has not started: no pass, no pages, no bands.
template <class Read> TraMember engineState(const char* name, TraDataType type, Read read) {
    return readOnly<TppCustomReport>(name, type, [read](TppCustomReport& report) {
        const TppCustomEngine* engine = report.Engine();
        return read(engine);
    });
}

TraValue dateTimeValue(const QDateTime& value) {
    TraValue result;
    result.setDateValue(daDateTime, value.isValid() ? daysFromDateTime(value) : 0);
    return result;
}

} // namespace

std::vector<TraMember> describedReportRunState() {
    return {
        engineState("FirstPass", daBoolean,
                    [](const TppCustomEngine* e) { return booleanValue(e && e->FirstPass()); }),
        engineState("SecondPass", daBoolean,
                    [](const TppCustomEngine* e) { return booleanValue(e && e->SecondPass()); }),
        engineState("CurrentColumn", daInteger,
                    [](const TppCustomEngine* e) { return integerValue(e ? e->CurrentColumn : 0); }),
        engineState("DonePrinting", daBoolean,
                    [](const TppCustomEngine* e) { return booleanValue(e && e->GenerationCompleted); }),
        engineState("Stop", daBoolean,
                    [](const TppCustomEngine* e) { return booleanValue(e && e->StopPrinting); }),
        engineState(
            "PrintDateTime", daDateTime,
            [](const TppCustomEngine* e) { return dateTimeValue(e ? e->PrintDateTime : QDateTime()); }),
        engineState("ReportBandCount", daInteger,
                    [](const TppCustomEngine* e) { return integerValue(e ? e->ReportBandCount : 0); }),
        engineState("PageBandCount", daInteger,
                    [](const TppCustomEngine* e) { return integerValue(e ? e->PageBandCount : 0); }),
        readOnly<TppCustomReport>(
            "Page", daClass,
            [](TppCustomReport& r) { return objectValue(r.Engine() ? &r.Engine()->Page() : nullptr); },
            "TppPage"),
        readOnly<TppCustomReport>(
            "Engine", daClass, [](TppCustomReport& r) { return objectValue(r.Engine()); }, "TppCommunicator"),
        readOnly<TppCustomReport>(
            "ParentReport", daClass,
            [](TppCustomReport& r) {
                auto* child = dynamic_cast<TppChildReport*>(&r);
                return objectValue(child ? child->ParentReport() : nullptr);
            },
            "TppCustomReport"),
        readOnly<TppCustomReport>(
            "PrintingAsSubReport", daBoolean,
            [](TppCustomReport& r) { return booleanValue(dynamic_cast<TppChildReport*>(&r) != nullptr); }),
    };
}

void describeSubReports() {
    describe("TppRegion", &TppRegion::staticClassInfo(), described("TppStretchable"), {});
    describe("TppChildReport", &TppChildReport::staticClassInfo(), described("TppBandedReport"), {});
    describe(
        "TppSubReport", &TppSubReport::staticClassInfo(), described("TppStretchable"),
        {readOnly<TppSubReport>(
             "Report", daClass, [](TppSubReport& s) { return objectValue(s.ChildReportIfAny()); },
             "TppChildReport"),
         method<TppSubReport>("CreateReport", {}, daUnknown,
                              [](TppSubReport& s, TraCallFrame&) { s.CreateReport(); }),
         readOnly<TppSubReport>("DrillDownExpanded", daBoolean,
                                [](TppSubReport& s) { return booleanValue(s.DrillDownExpanded()); }),
         readOnly<TppSubReport>("Count", daInteger, [](TppSubReport& s) { return integerValue(s.Count); }),
         readOnly<TppSubReport>("CurrentExpansionKey", daString,
                                [](TppSubReport& s) { return stringValue(s.CurrentExpansionKey()); }),
         readOnly<TppSubReport>("CurrentReportKey", daString,
                                [](TppSubReport& s) { return stringValue(s.CurrentReportKey()); }),
         readOnly<TppSubReport>("Expansions", daString,
                                [](TppSubReport& s) { return linesValue(s.Expansions); }),
         readOnly<TppSubReport>("ExpansionCount", daInteger,
                                [](TppSubReport& s) { return integerValue(s.ExpansionCount()); }),
         readOnly<TppSubReport>(
             "MasterReport", daClass,
             [](TppSubReport& s) { return objectValue(s.Band() ? s.Band()->Report() : nullptr); },
             "TppCustomReport")});
}

} // namespace TraDescribe
