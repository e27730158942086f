// The classes scripts see, each with the members described by hand: those
// the class registry does not publish (run-time state, methods, indexed
// lists, events with their kinds and parameters). Published properties are
// found through the registry and need no entry here.

#include "TraRTTI.h"

#include "DateTimeDays.h"
#include "OwnedComponent.h"
#include "Persistent.h"
#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppCacheable.h"
#include "TppCommunicator.h"
#include "TppComponent.h"
#include "TppCustomComponent.h"
#include "TppCustomDataPipeline.h"
#include "TppCustomReport.h"
#include "TppCustomText.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppEventKind.h"
#include "TppField.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppLabel.h"
#include "TppPrintable.h"
#include "TppProducer.h"
#include "TppRelative.h"
#include "TppReport.h"
#include "TppReportModel.h"
#include "TraEventValues.h"
#include "TraRunError.h"
#include "Units.h"

#include <QMutex>
#include <deque>

namespace {

using Kind = TraMember::Kind;

// The kinds variables and calculations raise.
constexpr int kVariableCalc = 33;
constexpr int kVariableReset = 34;

TraValue integerValue(int v) {
    return TraValue::ofInteger(v);
}
TraValue booleanValue(bool v) {
    TraValue value;
    value.setBoolean(v);
    return value;
}
TraValue stringValue(const QString& v) {
    return TraValue::ofString(v.toLatin1());
}
TraValue singleValue(float v) {
    TraValue value;
    value.setSingle(v);
    return value;
}
// A length in screen pixels, as the designer shows it.
TraValue screenPixels(int mm, Axis axis) {
    return integerValue(qRound(UnitsFromMM(mm, utScreenPixels, axis)));
}
TraValue objectValue(Persistent* v) {
    TraValue value;
    value.setObject(daClass, v);
    if (v)
        value.setClassRef(&v->classInfo());
    return value;
}

template <class T, class Get>
TraMember readOnly(const char* name, TraDataType type, Get get, const char* typeName = nullptr) {
    TraMember member{name, Kind::Property, type, typeName};
    member.get = [get](Persistent& object, TraValue& out) {
        auto* typed = dynamic_cast<T*>(&object);
        if (!typed)
            return false;
        out = get(*typed);
        return true;
    };
    return member;
}

template <class T, class Get, class Set>
TraMember readWrite(const char* name, TraDataType type, Get get, Set set, const char* typeName = nullptr) {
    TraMember member = readOnly<T>(name, type, get, typeName);
    member.set = [set](Persistent& object, const TraValue& value) {
        auto* typed = dynamic_cast<T*>(&object);
        if (!typed)
            return false;
        set(*typed, value);
        return true;
    };
    return member;
}

// An indexed list, "Bands[i]": the index is checked against the count, and
// one outside it stops the script instead of reaching past the list.
template <class T, class Count, class At>
TraMember indexed(const char* name, const char* typeName, Count count, At at) {
    TraMember member{name, Kind::Indexed, daClass, typeName, {{"Index", daInteger}}};
    member.call = [name, count, at](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        const int index = frame.args[0].integer();
        const int size = count(*typed);
        if (index < 0 || index >= size)
            throw TraRunError(QStringLiteral("%1[%2] is out of bounds: the list holds %3 items")
                                  .arg(QLatin1String(name))
                                  .arg(index)
                                  .arg(size));
        frame.result = objectValue(at(*typed, index));
        return true;
    };
    return member;
}

template <class T, class Fn>
TraMember method(const char* name, TraParamList params, TraDataType result, Fn fn,
                 const char* typeName = nullptr) {
    TraMember member{name, Kind::Method, result, typeName, std::move(params)};
    member.call = [fn](Persistent* object, TraCallFrame& frame) {
        auto* typed = dynamic_cast<T*>(object);
        if (!typed)
            return false;
        fn(*typed, frame);
        return true;
    };
    return member;
}

TraMember event(const char* name, int kind, TraParamList params = {}) {
    TraMember member{name, Kind::Event};
    member.eventID = kind;
    member.params = std::move(params);
    return member;
}

const TraParam kVarText{"Text", daString, nullptr, -1, false, true};
const TraParam kVarValue{"Value", daVariant, nullptr, -1, false, true};
const TraParam kVarBreakValue{"BreakValue", daString, nullptr, -1, false, true};

// Descriptions live as long as the process; the deque keeps their addresses.
std::deque<TraRTTI>& descriptions() {
    static std::deque<TraRTTI> all;
    return all;
}

const TraRTTI* describe(const char* name, const ClassInfo* cls, const TraRTTI* parent,
                        std::vector<TraMember> members) {
    descriptions().emplace_back(name, parent, std::move(members), cls);
    const TraRTTI* rtti = &descriptions().back();
    TraRTTIClassRegistry::instance().registerRTTI(*rtti);
    return rtti;
}

// The data type names of report values as scripts see them.
TraValue fieldValue(TppDataPipeline& pipeline, const QString& name) {
    return variantToScriptValue(pipeline.GetFieldValue(name));
}

void describeAll() {
    const TraRTTI* tObject = describe(
        "TObject", nullptr, nullptr,
        {method<Persistent>(
             "ClassName", {}, daString,
             [](Persistent& o, TraCallFrame& f) { f.result = TraValue::ofString(o.className().toLatin1()); }),
         [] {
             // Objects scripts create are not report objects; none of the
             // classes here can be made from a script without an owner.
             TraMember free{"Free", Kind::Method};
             free.call = [](Persistent*, TraCallFrame&) -> bool {
                 throw TraRunError(QStringLiteral("Free is allowed only on objects the script created; "
                                                  "report objects belong to their report"));
             };
             return free;
         }()});
    const TraRTTI* tPersistent = describe("TPersistent", &Persistent::staticClassInfo(), tObject, {});
    const TraRTTI* tComponent = describe(
        "TComponent", &OwnedComponent::staticClassInfo(), tPersistent,
        {readOnly<OwnedComponent>(
             "Owner", daClass, [](OwnedComponent& c) { return objectValue(c.Owner()); }, "TComponent"),
         readOnly<OwnedComponent>("Name", daString,
                                  [](OwnedComponent& c) { return stringValue(c.Name()); })});
    const TraRTTI* communicator = describe(
        "TppCommunicator", &TppCommunicator::staticClassInfo(), tComponent,
        {readWrite<TppCommunicator>(
            "UserName", daString, [](TppCommunicator& c) { return stringValue(c.UserName()); },
            [](TppCommunicator& c, const TraValue& v) { c.SetUserName(QString::fromLatin1(v.text())); })});
    const TraRTTI* relative = describe(
        "TppRelative", &TppRelative::staticClassInfo(), communicator,
        {readOnly<TppRelative>("ChildCount", daInteger,
                               [](TppRelative& r) { return integerValue(r.ChildCount()); }),
         readOnly<TppRelative>("AllChildCount", daInteger,
                               [](TppRelative& r) { return integerValue(r.AllChildCount()); }),
         readOnly<TppRelative>("ChildType", daInteger,
                               [](TppRelative& r) { return integerValue(r.ChildType()); }),
         readOnly<TppRelative>("FreeingChildren", daBoolean,
                               [](TppRelative& r) { return booleanValue(r.FreeingChildren()); }),
         readOnly<TppRelative>("OrderedChildren", daBoolean,
                               [](TppRelative& r) { return booleanValue(r.OrderedChildren()); }),
         readOnly<TppRelative>(
             "Parent", daClass, [](TppRelative& r) { return objectValue(r.Parent()); }, "TppRelative"),
         readOnly<TppRelative>("Position", daInteger,
                               [](TppRelative& r) { return integerValue(r.Position()); })});
    const TraRTTI* cacheable = describe("TppCacheable", &TppCacheable::staticClassInfo(), relative, {});
    const TraRTTI* printable = describe(
        "TppPrintable", &TppPrintable::staticClassInfo(), cacheable,
        {event("OnPrint", ciPrintableOnPrint),
         event("OnDrawCommandCreate", ciPrintableDrawCommandCreate, {{"aDrawCommand", daClass}}),
         event("OnDrawCommandClick", ciPrintableDrawCommandClick, {{"aDrawCommand", daClass}}),
         readOnly<TppPrintable>("DrawComponent", daBoolean,
                                [](TppPrintable& p) { return booleanValue(p.DrawComponent); }),
         readOnly<TppPrintable>("GenerationComplete", daBoolean,
                                [](TppPrintable& p) { return booleanValue(p.GenerationComplete); }),
         readOnly<TppPrintable>("OutOfSpace", daBoolean,
                                [](TppPrintable& p) { return booleanValue(p.OutOfSpace); }),
         readOnly<TppPrintable>("OverFlow", daBoolean,
                                [](TppPrintable& p) { return booleanValue(p.OverFlow); }),
         readOnly<TppPrintable>("SpaceUsed", daInteger,
                                [](TppPrintable& p) { return integerValue(p.SpaceUsed); }),
         readOnly<TppPrintable>("ZOrder", daInteger, [](TppPrintable& p) { return integerValue(p.ZOrder); }),
         readWrite<TppPrintable>(
             "Left", daSingle, [](TppPrintable& p) { return singleValue(p.Left()); },
             [](TppPrintable& p, const TraValue& v) { p.SetLeft(v.single()); }),
         readWrite<TppPrintable>(
             "Top", daSingle, [](TppPrintable& p) { return singleValue(p.Top()); },
             [](TppPrintable& p, const TraValue& v) { p.SetTop(v.single()); }),
         readWrite<TppPrintable>(
             "Width", daSingle, [](TppPrintable& p) { return singleValue(p.Width()); },
             [](TppPrintable& p, const TraValue& v) { p.SetWidth(v.single()); }),
         readWrite<TppPrintable>(
             "Height", daSingle, [](TppPrintable& p) { return singleValue(p.Height()); },
             [](TppPrintable& p, const TraValue& v) { p.SetHeight(v.single()); }),
         readWrite<TppPrintable>(
             "mmLeft", daInteger, [](TppPrintable& p) { return integerValue(p.mmLeft()); },
             [](TppPrintable& p, const TraValue& v) { p.SetmmLeft(v.integer()); }),
         readWrite<TppPrintable>(
             "mmTop", daInteger, [](TppPrintable& p) { return integerValue(p.mmTop()); },
             [](TppPrintable& p, const TraValue& v) { p.SetmmTop(v.integer()); }),
         readWrite<TppPrintable>(
             "mmWidth", daInteger, [](TppPrintable& p) { return integerValue(p.mmWidth()); },
             [](TppPrintable& p, const TraValue& v) { p.SetmmWidth(v.integer()); }),
         readWrite<TppPrintable>(
             "mmHeight", daInteger, [](TppPrintable& p) { return integerValue(p.mmHeight()); },
             [](TppPrintable& p, const TraValue& v) { p.SetmmHeight(v.integer()); }),
         readOnly<TppPrintable>("spLeft", daInteger,
                                [](TppPrintable& p) { return screenPixels(p.mmLeft(), Axis::Horizontal); }),
         readOnly<TppPrintable>("spTop", daInteger,
                                [](TppPrintable& p) { return screenPixels(p.mmTop(), Axis::Vertical); }),
         readOnly<TppPrintable>("spWidth", daInteger,
                                [](TppPrintable& p) { return screenPixels(p.mmWidth(), Axis::Horizontal); }),
         readOnly<TppPrintable>("spHeight", daInteger,
                                [](TppPrintable& p) { return screenPixels(p.mmHeight(), Axis::Vertical); }),
         readWrite<TppPrintable>(
             "Visible", daBoolean, [](TppPrintable& p) { return booleanValue(p.Visible()); },
             [](TppPrintable& p, const TraValue& v) { p.SetVisible(v.boolean()); }),
         readOnly<TppPrintable>(
             "DataPipeline", daClass, [](TppPrintable& p) { return objectValue(p.DataPipeline()); },
             "TppDataPipeline")});
    const TraRTTI* component = describe(
        "TppComponent", &TppComponent::staticClassInfo(), printable,
        {readOnly<TppComponent>(
             "Band", daClass, [](TppComponent& c) { return objectValue(c.Band()); }, "TppBand"),
         readOnly<TppComponent>(
             "Region", daClass, [](TppComponent& c) { return objectValue(c.Region()); }, "TppComponent"),
         readOnly<TppComponent>("BandType", daInteger,
                                [](TppComponent& c) { return integerValue(c.BandType()); }),
         readOnly<TppComponent>("GroupNo", daInteger,
                                [](TppComponent& c) { return integerValue(c.GroupNo()); }),
         readOnly<TppComponent>("ParentIndex", daInteger,
                                [](TppComponent& c) { return integerValue(c.Index()); }),
         readOnly<TppComponent>(
             "ResetGroup", daClass, [](TppComponent& c) { return objectValue(c.ResetGroup()); }, "TppGroup"),
         readOnly<TppComponent>("Text", daString, [](TppComponent& c) { return stringValue(c.Text()); })});
    const TraRTTI* customComponent =
        describe("TppCustomComponent", &TppCustomComponent::staticClassInfo(), component, {});
    const TraRTTI* customText = describe(
        "TppCustomText", &TppCustomText::staticClassInfo(), customComponent,
        {event("OnGetText", ciTextGetText, {kVarText}),
         readOnly<TppCustomText>("Text", daString, [](TppCustomText& t) { return stringValue(t.Text()); })});
    describe("TppLabel", &TppLabel::staticClassInfo(), customText, {});
    describe("TppDBText", &TppDBText::staticClassInfo(), customText,
             {readOnly<TppDBText>("FieldValue", daVariant, [](TppDBText& t) {
                 TppDataPipeline* pipeline = t.DataPipeline();
                 return pipeline ? fieldValue(*pipeline, t.DataField()) : variantToScriptValue(QVariant());
             })});
    describe("TppVariable", nullptr, customText,
             {event("OnCalc", kVariableCalc, {kVarValue}), event("OnReset", kVariableReset)});
    describe("TppDBCalc", nullptr, customText, {event("OnCalc", kVariableCalc, {kVarValue})});

    const TraRTTI* band = describe(
        "TppBand", &TppBand::staticClassInfo(), cacheable,
        {indexed<TppBand>(
             "Objects", "TppComponent", [](TppBand& b) { return b.ObjectCount(); },
             [](TppBand& b, int i) { return b.Objects()[i]; }),
         readOnly<TppBand>("ObjectCount", daInteger,
                           [](TppBand& b) { return integerValue(b.ObjectCount()); }),
         readOnly<TppBand>(
             "Report", daClass, [](TppBand& b) { return objectValue(b.Report()); }, "TppCustomReport"),
         event("AfterPrint", ciBandAfterPrint), event("BeforePrint", ciBandBeforePrint),
         event("AfterGenerate", ciBandAfterGenerate), event("BeforeGenerate", ciBandBeforeGenerate),
         readWrite<TppBand>(
             "Height", daSingle, [](TppBand& b) { return singleValue(b.Height()); },
             [](TppBand& b, const TraValue& v) { b.SetHeight(v.single()); }),
         readWrite<TppBand>(
             "Visible", daBoolean, [](TppBand& b) { return booleanValue(b.Visible()); },
             [](TppBand& b, const TraValue& v) { b.SetVisible(v.boolean()); }),
         readOnly<TppBand>("OverFlow", daBoolean, [](TppBand& b) { return booleanValue(b.OverFlow); }),
         readOnly<TppBand>("OutOfSpace", daBoolean, [](TppBand& b) { return booleanValue(b.OutOfSpace); }),
         readOnly<TppBand>("CurrentPosition", daInteger,
                           [](TppBand& b) { return integerValue(b.CurrentPosition); }),
         readOnly<TppBand>("PageBottom", daInteger, [](TppBand& b) { return integerValue(b.PageBottom); }),
         readOnly<TppBand>("SpaceUsed", daInteger, [](TppBand& b) { return integerValue(b.SpaceUsed); }),
         readOnly<TppBand>("PartialGeneration", daBoolean,
                           [](TppBand& b) { return booleanValue(b.PartialGeneration); }),
         readOnly<TppBand>("AllObjectsPrinted", daBoolean,
                           [](TppBand& b) { return booleanValue(b.AllObjectsPrinted); }),
         readOnly<TppBand>("GenerationComplete", daBoolean,
                           [](TppBand& b) { return booleanValue(b.GenerationComplete); })});
    describe("TppDetailBand", &TppDetailBand::staticClassInfo(), band,
             {readOnly<TppDetailBand>(
                 "DataPipeline", daClass, [](TppDetailBand& b) { return objectValue(b.DataPipeline()); },
                 "TppDataPipeline")});
    const TraRTTI* groupBand =
        describe("TppGroupBand", &TppGroupBand::staticClassInfo(), band,
                 {readOnly<TppGroupBand>(
                     "Group", daClass, [](TppGroupBand& b) { return objectValue(b.Group()); }, "TppGroup")});
    describe("TppGroupHeaderBand", &TppGroupHeaderBand::staticClassInfo(), groupBand, {});
    describe("TppGroupFooterBand", &TppGroupFooterBand::staticClassInfo(), groupBand, {});

    describe("TppGroup", &TppGroup::staticClassInfo(), cacheable,
             {readOnly<TppGroup>("BreakNo", daInteger, [](TppGroup& g) { return integerValue(g.BreakNo()); }),
              readOnly<TppGroup>(
                  "HeaderBand", daClass, [](TppGroup& g) { return objectValue(g.HeaderBand()); },
                  "TppGroupHeaderBand"),
              readOnly<TppGroup>(
                  "FooterBand", daClass, [](TppGroup& g) { return objectValue(g.FooterBand()); },
                  "TppGroupFooterBand"),
              readOnly<TppGroup>(
                  "Report", daClass, [](TppGroup& g) { return objectValue(g.Report()); }, "TppCustomReport"),
              event("AfterGroupBreak", ciGroupAfterBreak), event("BeforeGroupBreak", ciGroupBeforeBreak),
              event("BeforeHeader", ciGroupBeforeHeader), event("BeforeFooter", ciGroupBeforeFooter),
              event("OnGetBreakValue", ciGroupGetBreakValue, {kVarBreakValue})});

    const TraRTTI* reportModel = describe(
        "TppReportModel", &TppReportModel::staticClassInfo(), relative,
        {indexed<TppReportModel>(
             "Bands", "TppBand", [](TppReportModel& r) { return int(r.Bands().size()); },
             [](TppReportModel& r, int i) { return r.Bands()[i]; }),
         readOnly<TppReportModel>("BandCount", daInteger,
                                  [](TppReportModel& r) { return integerValue(int(r.Bands().size())); }),
         indexed<TppReportModel>(
             "Groups", "TppGroup", [](TppReportModel& r) { return int(r.Groups().size()); },
             [](TppReportModel& r, int i) { return r.Groups()[i]; }),
         readOnly<TppReportModel>("GroupCount", daInteger,
                                  [](TppReportModel& r) { return integerValue(int(r.Groups().size())); }),
         readOnly<TppReportModel>(
             "DataPipeline", daClass, [](TppReportModel& r) { return objectValue(r.DataPipeline()); },
             "TppDataPipeline"),
         readOnly<TppReportModel>(
             "MainReport", daClass, [](TppReportModel& r) { return objectValue(r.MainReport()); },
             "TppCustomReport"),
         method<TppReportModel>(
             "GetBand", {{"aBandType", daInteger}, {"aGroupIndex", daInteger}}, daClass,
             [](TppReportModel& r, TraCallFrame& f) {
                 f.result = objectValue(r.GetBand(f.args[0].integer(), f.args[1].integer()));
             },
             "TppBand")});
    const TraRTTI* producer = describe(
        "TppProducer", &TppProducer::staticClassInfo(), reportModel,
        {event("BeforePrint", ciProducerPrintingStarted), event("AfterPrint", ciProducerPrintingEnded),
         event("OnCancel", ciProducerCancel), event("OnCancelDialogCreate", ciProducerCancelDialogCreate),
         event("OnCancelDialogClose", ciProducerCancelDialogClose),
         event("OnPreviewFormCreate", ciProducerPreviewFormCreate),
         event("OnPreviewFormClose", ciProducerPreviewFormClose),
         event("OnPrintDialogCreate", ciProducerPrintDialogCreate),
         event("OnPrintDialogClose", ciProducerPrintDialogClose),
         event("OnSaveText", ciProducerSaveText, {kVarText}),
         readOnly<TppProducer>("Printing", daBoolean,
                               [](TppProducer& p) { return booleanValue(p.Printing()); }),
         readOnly<TppProducer>("DeviceType", daString,
                               [](TppProducer& p) { return stringValue(p.DeviceType()); })});
    const TraRTTI* customReport = describe(
        "TppCustomReport", &TppCustomReport::staticClassInfo(), producer,
        {readOnly<TppCustomReport>("AbsolutePageNo", daInteger,
                                   [](TppCustomReport& r) { return integerValue(r.AbsolutePageNo()); }),
         readOnly<TppCustomReport>("AbsolutePageCount", daInteger,
                                   [](TppCustomReport& r) { return integerValue(r.AbsolutePageCount()); }),
         readOnly<TppCustomReport>("PageNo", daInteger,
                                   [](TppCustomReport& r) { return integerValue(r.PageNo()); }),
         readOnly<TppCustomReport>("PageCount", daInteger,
                                   [](TppCustomReport& r) { return integerValue(r.PageCount()); }),
         event("OnStartPage", ciReportStartPage), event("OnEndPage", ciReportEndPage),
         event("OnStartFirstPass", ciReportStartFirstPass), event("OnEndFirstPass", ciReportEndFirstPass),
         event("OnStartSecondPass", ciReportStartSecondPass), event("OnEndSecondPass", ciReportEndSecondPass),
         event("OnStartColumn", ciReportStartColumn), event("OnEndColumn", ciReportEndColumn),
         event("OnNoData", ciReportNoData)});
    const TraRTTI* bandedReport = describe(
        "TppBandedReport", &TppBandedReport::staticClassInfo(), customReport,
        {readOnly<TppReportModel>(
             "Title", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btTitle)); }, "TppBand"),
         readOnly<TppReportModel>(
             "Header", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btHeader)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "ColumnHeader", daClass,
             [](TppReportModel& r) { return objectValue(r.GetBand(btColumnHeader)); }, "TppBand"),
         readOnly<TppReportModel>(
             "Detail", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btDetail)); },
             "TppDetailBand"),
         readOnly<TppReportModel>(
             "ColumnFooter", daClass,
             [](TppReportModel& r) { return objectValue(r.GetBand(btColumnFooter)); }, "TppBand"),
         readOnly<TppReportModel>(
             "Footer", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btFooter)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "Summary", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btSummary)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "DetailBand", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btDetail)); },
             "TppDetailBand"),
         readOnly<TppReportModel>(
             "HeaderBand", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btHeader)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "FooterBand", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btFooter)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "TitleBand", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btTitle)); },
             "TppBand"),
         readOnly<TppReportModel>(
             "SummaryBand", daClass, [](TppReportModel& r) { return objectValue(r.GetBand(btSummary)); },
             "TppBand")});
    describe("TppReport", &TppReport::staticClassInfo(), bandedReport, {});

    const TraRTTI* pipeline = describe(
        "TppDataPipeline", &TppDataPipeline::staticClassInfo(), relative,
        {method<TppDataPipeline>("GetFieldValue", {{"aFieldName", daString}}, daVariant,
                                 [](TppDataPipeline& p, TraCallFrame& f) {
                                     f.result = fieldValue(p, QString::fromLatin1(f.args[0].text()));
                                 }),
         [] {
             // FieldValues['Name'] reads a field of the current record.
             TraMember member{"FieldValues", Kind::Indexed, daVariant, nullptr, {{"aFieldName", daString}}};
             member.call = [](Persistent* object, TraCallFrame& f) {
                 auto* p = dynamic_cast<TppDataPipeline*>(object);
                 if (!p)
                     return false;
                 f.result = fieldValue(*p, QString::fromLatin1(f.args[0].text()));
                 return true;
             };
             return member;
         }(),
         readOnly<TppDataPipeline>("FirstRecord", daBoolean,
                                   [](TppDataPipeline& p) { return booleanValue(p.HasState(FirstRecord)); }),
         readOnly<TppDataPipeline>("LastRecord", daBoolean,
                                   [](TppDataPipeline& p) { return booleanValue(p.HasState(LastRecord)); }),
         readOnly<TppDataPipeline>("NoRecords", daBoolean,
                                   [](TppDataPipeline& p) { return booleanValue(p.HasState(NoRecords)); }),
         readOnly<TppDataPipeline>("Active", daBoolean,
                                   [](TppDataPipeline& p) { return booleanValue(p.Active()); }),
         readOnly<TppDataPipeline>("DataTraversed", daBoolean,
                                   [](TppDataPipeline& p) { return booleanValue(p.DataTraversed()); }),
         readOnly<TppDataPipeline>("TraversalCount", daInteger,
                                   [](TppDataPipeline& p) { return integerValue(p.TraversalCount()); }),
         readOnly<TppDataPipeline>(
             "MasterDataPipeline", daClass,
             [](TppDataPipeline& p) { return objectValue(p.MasterDataPipeline()); }, "TppDataPipeline"),
         event("OnRecordPositionChange", ciPipelineRecordPositionChange),
         event("OnMasterRecordPositionChange", ciPipelineMasterRecordPositionChange),
         event("OnTraversal", ciPipelineTraversal),
         event("OnGotoBookmark", ciPipelineGotoBookmark),
         event("OnDataChange", ciPipelineDataChange),
         event("OnFirst", ciPipelineFirst),
         event("OnNext", ciPipelineNext),
         event("OnPrior", ciPipelinePrior),
         event("OnLast", ciPipelineLast),
         event("OnOpen", ciPipelineOpen),
         event("OnClose", ciPipelineClose)});
    const TraRTTI* customPipeline = describe(
        "TppCustomDataPipeline", &TppCustomDataPipeline::staticClassInfo(), pipeline,
        {indexed<TppCustomDataPipeline>(
             "Fields", "TppField", [](TppCustomDataPipeline& p) { return p.FieldCount(); },
             [](TppCustomDataPipeline& p, int i) { return p.Fields(i); }),
         [] {
             TraMember member{"FieldObjects", Kind::Indexed, daClass, "TppField", {{"aFieldName", daString}}};
             member.call = [](Persistent* object, TraCallFrame& f) {
                 auto* p = dynamic_cast<TppCustomDataPipeline*>(object);
                 if (!p)
                     return false;
                 const QString name = QString::fromLatin1(f.args[0].text());
                 for (int i = 0; i < p->FieldCount(); ++i)
                     if (p->Fields(i)->FieldName().compare(name, Qt::CaseInsensitive) == 0)
                         f.result = objectValue(p->Fields(i));
                 return true;
             };
             return member;
         }(),
         readOnly<TppCustomDataPipeline>(
             "FieldCount", daInteger, [](TppCustomDataPipeline& p) { return integerValue(p.FieldCount()); }),
         readOnly<TppCustomDataPipeline>(
             "CurrentField", daClass, [](TppCustomDataPipeline& p) { return objectValue(p.CurrentField()); },
             "TppField")});
    describe("TppDBPipeline", &TppDBPipeline::staticClassInfo(), customPipeline, {});
    describe("TppField", &TppField::staticClassInfo(), relative,
             {readOnly<TppField>("AsString", daString,
                                 [](TppField& f) {
                                     TppDataPipeline* p = f.DataPipeline();
                                     return stringValue(p ? p->GetFieldAsString(f.FieldName()) : QString());
                                 }),
              readOnly<TppField>("AsDouble", daDouble,
                                 [](TppField& f) {
                                     TppDataPipeline* p = f.DataPipeline();
                                     TraValue v;
                                     v.setDouble(p ? p->GetFieldAsDouble(f.FieldName()) : 0);
                                     return v;
                                 }),
              readOnly<TppField>("IsNull", daBoolean,
                                 [](TppField& f) {
                                     TppDataPipeline* p = f.DataPipeline();
                                     return booleanValue(!p || p->GetFieldIsNull(f.FieldName()));
                                 }),
              readOnly<TppField>("Value", daVariant,
                                 [](TppField& f) {
                                     TppDataPipeline* p = f.DataPipeline();
                                     return p ? fieldValue(*p, f.FieldName())
                                              : variantToScriptValue(QVariant());
                                 }),
              readOnly<TppField>(
                  "DataPipeline", daClass, [](TppField& f) { return objectValue(f.DataPipeline()); },
                  "TppDataPipeline")});
}

} // namespace

void registerScriptBridge() {
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    if (descriptions().empty())
        describeAll();
}
