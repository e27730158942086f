// What scripts read of a report while it prints (the engine's pages,
// passes and bands) and the subreports that print child reports.

#include "DateTimeDays.h"
#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppChildReport.h"
#include "TppComponent.h"
#include "TppCustomEngine.h"
#include "TppCustomReport.h"
#include "TppEngine.h"
#include "TppPrinter.h"
#include "TppProducer.h"
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

const TppEngine* generatingEngine(TppCustomReport& report) {
    const auto* engine = dynamic_cast<const TppEngine*>(report.Engine());
    return engine && engine->Generating() ? engine : nullptr;
}

// The report whose pages are being made: a subreport's child while the
// subreport prints its part, the report itself otherwise.
TppCustomReport& activeReport(TppCustomReport& report) {
    for (const TppBand* band : report.Bands())
        for (TppComponent* component : band->Objects())
            if (auto* subReport = dynamic_cast<TppSubReport*>(component))
                if (TppChildReport* child = subReport->ChildReportIfAny(); child && generatingEngine(*child))
                    return activeReport(*child);
    return report;
}

TraValue dateTimeValue(const QDateTime& value) {
    TraValue result;
    result.setDateValue(daDateTime, value.isValid() ? daysFromDateTime(value) : 0);
    return result;
}

} // namespace

std::vector<TraMember> producerMembers() {
    // A layout read from a template older than this system's own "7.0"; the
    // "1.0" of a report never read is no conversion.
    const auto converted = [](const TppProducer& p, int below) {
        return p.Version() != QLatin1String("1.0") && p.VersionNo() < below;
    };
    return joined(
        {readOnly<TppProducer>("Converted", daBoolean,
                               [converted](TppProducer& p) { return booleanValue(converted(p, 7000)); }),
         readOnly<TppProducer>("ConvertedFromPre40", daBoolean,
                               [converted](TppProducer& p) { return booleanValue(converted(p, 4000)); }),
         readWrite<TppProducer>(
             "EnableProcessMessages", daBoolean,
             [](TppProducer& p) { return booleanValue(p.EnableProcessMessages); },
             [](TppProducer& p, const TraValue& v) { p.EnableProcessMessages = v.boolean(); }),
         readOnly<TppProducer>(
             "Publisher", daClass, [](TppProducer& p) { return objectValue(&p.Publisher()); },
             "TppCommunicator"),
         readOnly<TppProducer>(
             "Printer", daClass, [](TppProducer& p) { return objectValue(p.Printer()); }, "TppPrinter"),
         // The name the print job and the preview's title show.
         readWrite<TppProducer>(
             "Text", daString, [](TppProducer& p) { return stringValue(p.PrinterSetup().DocumentName()); },
             [](TppProducer& p, const TraValue& v) { p.PrinterSetup().SetDocumentName(textOf(v)); })},
        producerWindowMembers());
}

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
        // Asked of any report of a job, the one printing now: the main
        // report, or the child of the subreport that prints its part.
        readOnly<TppCustomReport>(
            "ActiveReport", daClass,
            [](TppCustomReport& r) {
                auto* main = dynamic_cast<TppCustomReport*>(r.MainReport());
                return objectValue(&activeReport(main ? *main : r));
            },
            "TppCustomReport"),
        readOnly<TppCustomReport>(
            "CacheManager", daClass,
            [](TppCustomReport& r) {
                auto* banded = dynamic_cast<TppBandedReport*>(&r);
                return objectValue(banded ? &banded->PageCache() : nullptr);
            },
            "TppCommunicator"),
        // The report's PageLimit stops this run at the end of the current page.
        readOnly<TppCustomReport>("PageLimitReached", daBoolean,
                                  [](TppCustomReport& r) {
                                      const TppCustomEngine* e = r.Engine();
                                      return booleanValue(e && r.PageLimit() > 0 &&
                                                          e->AbsolutePageNo >= r.PageLimit());
                                  }),
        // The page numbers count the whole report: no group starts them anew.
        readOnly<TppCustomReport>("AbsolutePage", daBoolean,
                                  [](TppCustomReport& r) {
                                      const TppEngine* e = generatingEngine(r);
                                      return booleanValue(!e || !e->ControlGroup());
                                  }),
        // The band being generated, as GetBand takes it: its type and its
        // group's index (-1 for bands of no group); -1 while nothing generates.
        readOnly<TppCustomReport>("BandType", daInteger,
                                  [](TppCustomReport& r) {
                                      const TppEngine* e = generatingEngine(r);
                                      const TppBand* band = e ? e->CurrentBand() : nullptr;
                                      return integerValue(band ? band->BandTypeCode() : -1);
                                  }),
        readOnly<TppCustomReport>("GroupIndex", daInteger,
                                  [](TppCustomReport& r) {
                                      const TppEngine* e = generatingEngine(r);
                                      const TppBand* band = e ? e->CurrentBand() : nullptr;
                                      return integerValue(band ? band->GroupIndex() : -1);
                                  }),
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
         boundLines<TppSubReport>("Expansions", [](TppSubReport& s) { return s.Expansions; }),
         readOnly<TppSubReport>("ExpansionCount", daInteger,
                                [](TppSubReport& s) { return integerValue(s.ExpansionCount()); }),
         readOnly<TppSubReport>(
             "MasterReport", daClass,
             [](TppSubReport& s) { return objectValue(s.Band() ? s.Band()->Report() : nullptr); },
             "TppCustomReport")});
}

} // namespace TraDescribe
