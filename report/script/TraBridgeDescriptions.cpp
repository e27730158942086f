// The classes scripts see, each with the members described by hand: those
// the class registry does not publish (run-time state, methods, indexed
// lists, events with their kinds and parameters). Published properties are
// found through the registry and need no entry here.

#include "TraDescribe.h"

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
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppDevice.h"
#include "TppEventKind.h"
#include "TppField.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppLabel.h"
#include "TppOutlineEventKinds.h"
#include "TppOutlineNode.h"
#include "TppPrintable.h"
#include "TppProducer.h"
#include "TppRelative.h"
#include "TppReport.h"
#include "TppReportModel.h"
#include "TraEnumerations.h"
#include "TraEventValues.h"
#include "TraRunError.h"
#include "TraScriptObjects.h"
#include "Units.h"

#include <QMutex>

namespace {

using namespace TraDescribe;

// The data type names of report values as scripts see them.
TraValue fieldValue(TppDataPipeline& pipeline, const QString& name) {
    return variantToScriptValue(pipeline.GetFieldValue(name));
}

// "TStringList.Create", "TppLabel.Create(nil)": an object of the class the
// script names. One without an owner is the script's own, which it may free;
// one with an owner belongs to the owner.
TraMember constructor(const char* name, TraParamList params) {
    TraMember member{name, Kind::Constructor, daClass, "TObject", std::move(params)};
    member.call = [](Persistent*, TraCallFrame& frame) -> bool {
        const ClassInfo* cls = frame.createClass;
        if (!cls || !cls->isCreatable())
            throw TraRunError(QStringLiteral("Scripts cannot create objects of class %1")
                                  .arg(cls ? cls->name() : QStringLiteral("TObject")));
        auto* owner = frame.args.empty() ? nullptr : dynamic_cast<OwnedComponent*>(frame.args[0].object());
        TraScriptObjects* objects = frame.environment ? frame.environment->objects : nullptr;
        std::unique_ptr<Persistent> created(cls->create(owner));
        auto* component = dynamic_cast<OwnedComponent*>(created.get());
        if (owner && component && component->Owner() == owner) {
            frame.result = objectValue(created.release());
            return true;
        }
        if (!objects)
            throw TraRunError(QStringLiteral("Objects can be created only by the scripts of a report"));
        frame.result = objectValue(objects->adopt(std::move(created)));
        return true;
    };
    return member;
}

void describeAll() {
    const TraRTTI* tObject = describe(
        "TObject", nullptr, nullptr,
        {method<Persistent>(
             "ClassName", {}, daString,
             [](Persistent& o, TraCallFrame& f) { f.result = TraValue::ofString(o.className().toLatin1()); }),
         constructor("Create", {}), [] {
             // Report objects belong to their report; only what the script made is its to free.
             TraMember free{"Free", Kind::Method};
             free.call = [](Persistent* object, TraCallFrame& frame) -> bool {
                 TraScriptObjects* objects = frame.environment ? frame.environment->objects : nullptr;
                 if (objects && objects->release(object))
                     return true;
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
         readOnly<OwnedComponent>("Name", daString, [](OwnedComponent& c) { return stringValue(c.Name()); }),
         constructor("Create", {{"Owner", daClass, &OwnedComponent::staticClassInfo()}})});
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
    const TraRTTI* cacheable = describe("TppCacheable", &TppCacheable::staticClassInfo(), relative,
                                        joined(cacheableRunMembers(), cacheStreamMembers()));
    const TraRTTI* printable = describe(
        "TppPrintable", &TppPrintable::staticClassInfo(), cacheable,
        joined(
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
             readOnly<TppPrintable>("ZOrder", daInteger,
                                    [](TppPrintable& p) { return integerValue(p.ZOrder); }),
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
             readOnly<TppPrintable>(
                 "spLeft", daInteger,
                 [](TppPrintable& p) { return screenPixels(p.mmLeft(), Axis::Horizontal); }),
             readOnly<TppPrintable>("spTop", daInteger,
                                    [](TppPrintable& p) { return screenPixels(p.mmTop(), Axis::Vertical); }),
             readOnly<TppPrintable>(
                 "spWidth", daInteger,
                 [](TppPrintable& p) { return screenPixels(p.mmWidth(), Axis::Horizontal); }),
             readOnly<TppPrintable>(
                 "spHeight", daInteger,
                 [](TppPrintable& p) { return screenPixels(p.mmHeight(), Axis::Vertical); }),
             readWrite<TppPrintable>(
                 "Visible", daBoolean, [](TppPrintable& p) { return booleanValue(p.Visible()); },
                 [](TppPrintable& p, const TraValue& v) { p.SetVisible(v.boolean()); }),
             readOnly<TppPrintable>(
                 "DataPipeline", daClass, [](TppPrintable& p) { return objectValue(p.DataPipeline()); },
                 "TppDataPipeline"),
             readOnly<TppPrintable>("ReprintOnOverFlow", daBoolean,
                                    [](TppPrintable& p) { return booleanValue(p.ReprintOnOverFlow()); }),
             readOnly<TppPrintable>("ShiftWithParent", daBoolean,
                                    [](TppPrintable& p) { return booleanValue(p.ShiftWithParent()); }),
             readOnly<TppPrintable>("StretchWithParent", daBoolean,
                                    [](TppPrintable& p) { return booleanValue(p.StretchWithParent()); }),
             publishedBelow("Alignment", daEnum, "TAlignment"),
             publishedBelow("AutoSize", daBoolean),
             publishedBelow("Caption", daString),
             publishedBelow("DataField", daString),
             publishedBelow("Description", daString),
             publishedBelow("Font", daClass, "TFont"),
             publishedBelow("LookupPipeline", daClass, "TppDataPipeline"),
             publishedBelow("Text", daString),
             publishedBelow("Units", daEnum, "TppUnitType"),
             publishedBelow("WordWrap", daBoolean)},
            joined(printableRunMembers(), printableDesignMembers())));
    const TraRTTI* component = describe(
        "TppComponent", &TppComponent::staticClassInfo(), printable,
        joined(
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
                 "ResetGroup", daClass, [](TppComponent& c) { return objectValue(c.ResetGroup()); },
                 "TppGroup"),
             readOnly<TppComponent>("Text", daString, [](TppComponent& c) { return stringValue(c.Text()); })},
            componentRunMembers()));
    const TraRTTI* customComponent =
        describe("TppCustomComponent", &TppCustomComponent::staticClassInfo(), component, {});
    const TraRTTI* customText = describe(
        "TppCustomText", &TppCustomText::staticClassInfo(), customComponent,
        {event("OnGetText", ciTextGetText, {kVarText}),
         event("OnFormat", ciTextFormat,
               {{"aDisplayFormat", daString},
                {"aDataType", daEnum, nullptr, TraEnumerations::findType("TppDataType").value_or(-1)},
                {"aValue", daVariant},
                {"aText", daString, nullptr, -1, false, true}}),
         readOnly<TppCustomText>("Text", daString, [](TppCustomText& t) { return stringValue(t.Text()); })});
    describe("TppLabel", &TppLabel::staticClassInfo(), customText, {});

    const TraRTTI* band = describe(
        "TppBand", &TppBand::staticClassInfo(), cacheable,
        joined(
            {indexed<TppBand>(
                 "Objects", "TppComponent", [](TppBand& b) { return b.ObjectCount(); },
                 [](TppBand& b, int i) { return b.Objects()[i]; }),
             readOnly<TppBand>("ObjectCount", daInteger,
                               [](TppBand& b) { return integerValue(b.ObjectCount()); }),
             readOnly<TppBand>(
                 "Report", daClass, [](TppBand& b) { return objectValue(b.Report()); }, "TppCustomReport"),
             event("AfterPrint", ciBandAfterPrint),
             event("BeforePrint", ciBandBeforePrint),
             event("AfterGenerate", ciBandAfterGenerate),
             event("BeforeGenerate", ciBandBeforeGenerate),
             readWrite<TppBand>(
                 "Height", daSingle, [](TppBand& b) { return singleValue(b.Height()); },
                 [](TppBand& b, const TraValue& v) { b.SetHeight(v.single()); }),
             readWrite<TppBand>(
                 "Visible", daBoolean, [](TppBand& b) { return booleanValue(b.Visible()); },
                 [](TppBand& b, const TraValue& v) { b.SetVisible(v.boolean()); }),
             readOnly<TppBand>("OverFlow", daBoolean, [](TppBand& b) { return booleanValue(b.OverFlow); }),
             readOnly<TppBand>("OutOfSpace", daBoolean,
                               [](TppBand& b) { return booleanValue(b.OutOfSpace); }),
             readOnly<TppBand>("CurrentPosition", daInteger,
                               [](TppBand& b) { return integerValue(b.CurrentPosition); }),
             readOnly<TppBand>("PageBottom", daInteger,
                               [](TppBand& b) { return integerValue(b.PageBottom); }),
             readOnly<TppBand>("SpaceUsed", daInteger, [](TppBand& b) { return integerValue(b.SpaceUsed); }),
             readOnly<TppBand>("PartialGeneration", daBoolean,
                               [](TppBand& b) { return booleanValue(b.PartialGeneration); }),
             readOnly<TppBand>("AllObjectsPrinted", daBoolean,
                               [](TppBand& b) { return booleanValue(b.AllObjectsPrinted); }),
             readOnly<TppBand>("GenerationComplete", daBoolean,
                               [](TppBand& b) { return booleanValue(b.GenerationComplete); }),
             indexed<TppBand>(
                 "Variables", "TppComponent", [](TppBand& b) { return int(b.Variables().size()); },
                 [](TppBand& b, int i) { return b.Variables()[i]; }),
             readOnly<TppBand>("VariableCount", daInteger,
                               [](TppBand& b) { return integerValue(int(b.Variables().size())); }),
             indexed<TppBand>(
                 "Saves", "TppComponent", [](TppBand& b) { return int(b.Saves().size()); },
                 [](TppBand& b, int i) { return b.Saves()[i]; }),
             readOnly<TppBand>("SaveCount", daInteger,
                               [](TppBand& b) { return integerValue(int(b.Saves().size())); }),
             readOnly<TppBand>("Caption", daString, [](TppBand& b) { return stringValue(b.Caption()); }),
             readOnly<TppBand>("CumulativeCurrentPosition", daInteger,
                               [](TppBand& b) { return integerValue(b.CumulativeCurrentPosition); }),
             readOnly<TppBand>("PartialAdjustment", daInteger,
                               [](TppBand& b) { return integerValue(b.PartialAdjustment); }),
             readOnly<TppBand>("spHeight", daInteger,
                               [](TppBand& b) { return screenPixels(b.mmHeight(), Axis::Vertical); }),

             readWrite<TppBand>(
                 "mmHeight", daInteger, [](TppBand& b) { return integerValue(b.mmHeight()); },
                 [](TppBand& b, const TraValue& v) { b.SetmmHeight(v.integer()); }),
             readWrite<TppBand>(
                 "mmBottomOffset", daInteger, [](TppBand& b) { return integerValue(b.mmBottomOffset()); },
                 [](TppBand& b, const TraValue& v) { b.SetmmBottomOffset(v.integer()); }),
             readWrite<TppBand>(
                 "mmPrintPosition", daInteger, [](TppBand& b) { return integerValue(b.mmPrintPosition()); },
                 [](TppBand& b, const TraValue& v) { b.SetmmPrintPosition(v.integer()); }),
             publishedBelow("Units", daEnum, "TppUnitType")},
            bandRunMembers()));
    describe("TppDetailBand", &TppDetailBand::staticClassInfo(), band,
             joined({readOnly<TppDetailBand>(
                        "DataPipeline", daClass,
                        [](TppDetailBand& b) { return objectValue(b.DataPipeline()); }, "TppDataPipeline")},
                    detailBandRunMembers()));
    const TraRTTI* groupBand = describe(
        "TppGroupBand", &TppGroupBand::staticClassInfo(), band,
        joined({readOnly<TppGroupBand>(
                   "Group", daClass, [](TppGroupBand& b) { return objectValue(b.Group()); }, "TppGroup")},
               groupBandRunMembers()));
    describe("TppGroupHeaderBand", &TppGroupHeaderBand::staticClassInfo(), groupBand,
             groupHeaderBandRunMembers());
    describe("TppGroupFooterBand", &TppGroupFooterBand::staticClassInfo(), groupBand, {});

    describe(
        "TppGroup", &TppGroup::staticClassInfo(), cacheable,
        joined(
            {readOnly<TppGroup>("BreakNo", daInteger, [](TppGroup& g) { return integerValue(g.BreakNo()); }),
             readOnly<TppGroup>(
                 "HeaderBand", daClass, [](TppGroup& g) { return objectValue(g.HeaderBand()); },
                 "TppGroupHeaderBand"),
             readOnly<TppGroup>(
                 "FooterBand", daClass, [](TppGroup& g) { return objectValue(g.FooterBand()); },
                 "TppGroupFooterBand"),
             readOnly<TppGroup>(
                 "Report", daClass, [](TppGroup& g) { return objectValue(g.Report()); }, "TppCustomReport"),
             readOnly<TppGroup>("GroupNo", daInteger, [](TppGroup& g) { return integerValue(g.GroupNo()); }),
             readOnly<TppGroup>(
                 "BreakComponent", daClass, [](TppGroup& g) { return objectValue(g.BreakComponent()); },
                 "TppComponent"),
             readOnly<TppGroup>("BreakValue", daString,
                                [](TppGroup& g) { return stringValue(g.BreakValue()); }),
             readOnly<TppGroup>("PriorValue", daString,
                                [](TppGroup& g) { return stringValue(g.PriorValue()); }),
             readOnly<TppGroup>("Breaking", daBoolean,
                                [](TppGroup& g) { return booleanValue(g.Breaking()); }),
             readOnly<TppGroup>("FirstPageNo", daInteger,
                                [](TppGroup& g) { return integerValue(g.FirstPageNo()); }),
             readOnly<TppGroup>("LastPageNo", daInteger,
                                [](TppGroup& g) { return integerValue(g.LastPageNo()); }),
             readOnly<TppGroup>("FirstColumn", daInteger,
                                [](TppGroup& g) { return integerValue(g.FirstColumn()); }),
             readOnly<TppGroup>("KeptTogether", daBoolean,
                                [](TppGroup& g) { return booleanValue(g.KeptTogether()); }),
             readOnly<TppGroup>("mmNewPageThreshold", daInteger,
                                [](TppGroup& g) { return integerValue(g.mmNewPageThreshold()); }),
             readOnly<TppGroup>("mmNewColumnThreshold", daInteger,
                                [](TppGroup& g) { return integerValue(g.mmNewColumnThreshold()); }),
             publishedBelow("Units", daEnum, "TppUnitType"),
             event("AfterGroupBreak", ciGroupAfterBreak),
             event("BeforeGroupBreak", ciGroupBeforeBreak),
             event("BeforeHeader", ciGroupBeforeHeader),
             event("BeforeFooter", ciGroupBeforeFooter),
             event("OnGetBreakValue", ciGroupGetBreakValue, {kVarBreakValue})},
            groupRunMembers()));

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
        joined(
            {event("BeforePrint", ciProducerPrintingStarted),
             event("AfterPrint", ciProducerPrintingEnded),
             event("OnCancel", ciProducerCancel),
             event("OnCancelDialogCreate", ciProducerCancelDialogCreate),
             event("OnCancelDialogClose", ciProducerCancelDialogClose),
             event("OnPreviewFormCreate", ciProducerPreviewFormCreate),
             event("OnPreviewFormClose", ciProducerPreviewFormClose),
             event("OnPrintDialogCreate", ciProducerPrintDialogCreate),
             event("OnPrintDialogClose", ciProducerPrintDialogClose),
             event("OnSaveText", ciProducerSaveText, {kVarText}),
             readOnly<TppProducer>("Printing", daBoolean,
                                   [](TppProducer& p) { return booleanValue(p.Printing()); }),
             readOnly<TppProducer>("DeviceType", daString,
                                   [](TppProducer& p) { return stringValue(p.DeviceType()); }),

             readOnly<TppProducer>("Producing", daBoolean,
                                   [](TppProducer& p) { return booleanValue(p.Producing()); }),
             readOnly<TppProducer>("CurrentPage", daInteger,
                                   [](TppProducer& p) { return integerValue(p.CurrentPage); }),
             readOnly<TppProducer>("LanguageIndex", daInteger,
                                   [](TppProducer& p) { return integerValue(p.LanguageIndex); }),
             readOnly<TppProducer>("Version", daString,
                                   [](TppProducer& p) { return stringValue(p.Version()); }),
             readOnly<TppProducer>("VersionNo", daInteger,
                                   [](TppProducer& p) { return integerValue(p.VersionNo()); }),
             readOnly<TppProducer>(
                 "PrinterDevice", daClass, [](TppProducer& p) { return objectValue(p.PrinterDevice()); },
                 "TppCommunicator"),
             readOnly<TppProducer>(
                 "FileDevice", daClass, [](TppProducer& p) { return objectValue(p.FileDevice()); },
                 "TppCommunicator"),
             method<TppProducer>("Cancel", {}, daUnknown, [](TppProducer& p, TraCallFrame&) { p.Cancel(); })},
            producerMembers()));
    std::vector<TraMember> customReportMembers = {
        readOnly<TppCustomReport>("AbsolutePageNo", daInteger,
                                  [](TppCustomReport& r) { return integerValue(r.AbsolutePageNo()); }),
        readOnly<TppCustomReport>("AbsolutePageCount", daInteger,
                                  [](TppCustomReport& r) { return integerValue(r.AbsolutePageCount()); }),
        readOnly<TppCustomReport>("PageNo", daInteger,
                                  [](TppCustomReport& r) { return integerValue(r.PageNo()); }),
        readOnly<TppCustomReport>("PageCount", daInteger,
                                  [](TppCustomReport& r) { return integerValue(r.PageCount()); }),
        event("OnStartPage", ciReportStartPage),
        event("OnEndPage", ciReportEndPage),
        event("OnStartFirstPass", ciReportStartFirstPass),
        event("OnEndFirstPass", ciReportEndFirstPass),
        event("OnStartSecondPass", ciReportStartSecondPass),
        event("OnEndSecondPass", ciReportEndSecondPass),
        event("OnStartColumn", ciReportStartColumn),
        event("OnEndColumn", ciReportEndColumn),
        event("OnNoData", ciReportNoData),
        event("OnPrintingComplete", ciProducerPrintingComplete),

        readOnly<TppCustomReport>("mmColumnWidth", daInteger,
                                  [](TppCustomReport& r) { return integerValue(r.mmColumnWidth()); }),
        readOnly<TppCustomReport>(
            "spColumnWidth", daInteger,
            [](TppCustomReport& r) { return screenPixels(r.mmColumnWidth(), Axis::Horizontal); }),
        boundLines<TppCustomReport>(
            "ColumnPositions", [](TppCustomReport& r) { return r.ColumnPositions; },
            [](TppCustomReport& r, const QStringList& lines) { r.ColumnPositions = lines; }),
        readOnly<TppCustomReport>("Modified", daBoolean,
                                  [](TppCustomReport& r) { return booleanValue(r.Modified()); })};
    const TraRTTI* customReport =
        describe("TppCustomReport", &TppCustomReport::staticClassInfo(), producer,
                 joined(std::move(customReportMembers),
                        joined(describedReportRunState(), customReportDesignMembers())));
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
             "TppBand"),

         readOnly<TppReportModel>(
             "ColumnHeaderBand", daClass,
             [](TppReportModel& r) { return objectValue(r.GetBand(btColumnHeader)); }, "TppBand"),
         readOnly<TppReportModel>(
             "ColumnFooterBand", daClass,
             [](TppReportModel& r) { return objectValue(r.GetBand(btColumnFooter)); }, "TppBand"),
         indexed<TppReportModel>(
             "GroupHeader", "TppGroupHeaderBand", [](TppReportModel& r) { return int(r.Groups().size()); },
             [](TppReportModel& r, int i) { return r.Groups()[i]->HeaderBand(); }),
         indexed<TppReportModel>(
             "GroupFooter", "TppGroupFooterBand", [](TppReportModel& r) { return int(r.Groups().size()); },
             [](TppReportModel& r, int i) { return r.Groups()[i]->FooterBand(); }),
         indexed<TppReportModel>(
             "GroupHeaderBand", "TppGroupHeaderBand",
             [](TppReportModel& r) { return int(r.Groups().size()); },
             [](TppReportModel& r, int i) { return r.Groups()[i]->HeaderBand(); }),
         indexed<TppReportModel>(
             "GroupFooterBand", "TppGroupFooterBand",
             [](TppReportModel& r) { return int(r.Groups().size()); },
             [](TppReportModel& r, int i) { return r.Groups()[i]->FooterBand(); })});
    std::vector<TraMember> reportMembers = joined(autoSearchReportMembers(), reportWindowMembers());
    reportMembers.push_back(event("OnOutlineNodeCreate", ciReportOutlineNodeCreate,
                                  {{"aNode", daClass, &TppOutlineNode::staticClassInfo()},
                                   {"aAccept", daBoolean, nullptr, -1, false, true}}));
    describe("TppReport", &TppReport::staticClassInfo(), bandedReport, std::move(reportMembers));

    const TraRTTI* pipeline = describe(
        "TppDataPipeline", &TppDataPipeline::staticClassInfo(), relative,
        joined(
            {method<TppDataPipeline>("GetFieldValue", {{"aFieldName", daString}}, daVariant,
                                     [](TppDataPipeline& p, TraCallFrame& f) {
                                         f.result = fieldValue(p, QString::fromLatin1(f.args[0].text()));
                                     }),
             [] {
                 // FieldValues['Name'] reads a field of the current record.
                 TraMember member{
                     "FieldValues", Kind::Indexed, daVariant, nullptr, {{"aFieldName", daString}}};
                 member.call = [](Persistent* object, TraCallFrame& f) {
                     auto* p = dynamic_cast<TppDataPipeline*>(object);
                     if (!p)
                         return false;
                     f.result = fieldValue(*p, QString::fromLatin1(f.args[0].text()));
                     return true;
                 };
                 return member;
             }(),
             readOnly<TppDataPipeline>(
                 "FirstRecord", daBoolean,
                 [](TppDataPipeline& p) { return booleanValue(p.HasState(FirstRecord)); }),
             readOnly<TppDataPipeline>(
                 "LastRecord", daBoolean,
                 [](TppDataPipeline& p) { return booleanValue(p.HasState(LastRecord)); }),
             readOnly<TppDataPipeline>(
                 "NoRecords", daBoolean,
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
             event("OnClose", ciPipelineClose)},
            pipelineMembers()));
    const TraRTTI* customPipeline =
        describe("TppCustomDataPipeline", &TppCustomDataPipeline::staticClassInfo(), pipeline, {});
    describe("TppDBPipeline", &TppDBPipeline::staticClassInfo(), customPipeline, {});
    describe("TppField", &TppField::staticClassInfo(), relative,
             {fieldPictureMember(),
              readOnly<TppField>("AsString", daString,
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
    describeLists();
    describeStreams();
    describeRichTextAttributes();
    describeGraphics();
    describeReportParts();
    describeSubReports();
    describeAutoSearchField();
}

} // namespace

void registerScriptBridge() {
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    if (!anyDescribed())
        describeAll();
}
