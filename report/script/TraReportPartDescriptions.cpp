// The report's parts beyond bands, texts and pipelines: printer setup,
// stretching components, memos, images, graphics, variables, rich text,
// barcodes, templates, pages and their draw commands.

#include "CalculationSupport.h"
#include "DateTimeDays.h"
#include "TppColumnFooterBand.h"
#include "TppCustomGraphic.h"
#include "TppCustomImage.h"
#include "TppCustomMemo.h"
#include "TppCustomReport.h"
#include "TppCustomRichText.h"
#include "TppCustomText.h"
#include "TppDBCalc.h"
#include "TppDBImage.h"
#include "TppDBMemo.h"
#include "TppDBRichText.h"
#include "TppDBText.h"
#include "TppDataPipeline.h"
#include "TppDrawCommand.h"
#include "TppDrawText.h"
#include "TppEventKind.h"
#include "TppFooterBand.h"
#include "TppLine.h"
#include "TppOutlineNode.h"
#include "TppPage.h"
#include "TppPageBand.h"
#include "TppPrinter.h"
#include "TppPrinterSetup.h"
#include "TppProducer.h"
#include "TppReportBand.h"
#include "TppReportTemplate.h"
#include "TppShape.h"
#include "TppStretchable.h"
#include "TppSystemVariable.h"
#include "TppTemplateDBSettings.h"
#include "TppVariable.h"
#include "TraCodeModule.h"
#include "TraDescribe.h"
#include "TraEnumerations.h"
#include "TraEventValues.h"

namespace TraDescribe {

namespace {

TraValue enumValue(const char* type, int ordinal) {
    TraValue value;
    value.setEnum(TraEnumerations::findType(type).value_or(-1), ordinal);
    return value;
}

TraValue dateValue(TraDataType type, double days) {
    TraValue value;
    value.setDateValue(type, days);
    return value;
}

template <class T, class Get> TraMember readOnlyEnum(const char* name, const char* type, Get get) {
    return readOnly<T>(
        name, daEnum, [type, get](T& object) { return enumValue(type, int(get(object))); }, type);
}

// The printer setup's sizes are in its report's units.
TraMember setupSize(const char* name, float (TppPrinterSetup::*get)() const) {
    return readOnly<TppPrinterSetup>(name, daSingle,
                                     [get](TppPrinterSetup& s) { return singleValue((s.*get)()); });
}

// Loading a report's template frees the report's objects, its code module
// among them: not while the report prints, and never from the report's own
// scripts, which would free the program that runs.
void refuseReplacingARunningReport(TppTemplate& t) {
    auto* reportTemplate = dynamic_cast<TppReportTemplate*>(&t);
    if (!reportTemplate)
        return;
    const TppCustomReport& report = reportTemplate->Report();
    if (report.Printing() || TppReportModule::Find(report, TraCodeModule::staticClassInfo()))
        throw TraRunError(
            QStringLiteral("A report's template cannot be loaded while the report prints or by its scripts"));
}

// The page the setup's paper and margins make, as a copy read afresh each
// time: the setup derives it from its own settings, which scripts change.
TraMember pageDefMember() {
    TraMember member{"PageDef", Kind::Property, daClass, "TppPageDef"};
    member.heldBy = [](Persistent& object) -> TppCommunicator* {
        auto* setup = dynamic_cast<TppPrinterSetup*>(&object);
        auto* producer = setup ? dynamic_cast<TppProducer*>(setup->Owner()) : nullptr;
        return producer && &producer->PrinterSetup() == setup ? producer : nullptr;
    };
    member.held = [](TppCommunicator&) -> std::unique_ptr<Persistent> {
        return std::make_unique<TppPageDef>();
    };
    member.refresh = [](Persistent& held, TppCommunicator& owner) {
        dynamic_cast<TppPageDef&>(held) = dynamic_cast<TppProducer&>(owner).PrinterSetup().PageDef();
    };
    return member;
}

void describePrinterSetup() {
    describe("TppPrinter", &TppPrinter::staticClassInfo(), described("TObject"),
             {readOnly<TppPrinter>("PrinterName", daString,
                                   [](TppPrinter& p) { return stringValue(p.PrinterName()); })});
    describe(
        "TppPrinterSetup", &TppPrinterSetup::staticClassInfo(), described("TPersistent"),
        {pageDefMember(),
         readWrite<TppPrinterSetup>(
             "Active", daBoolean, [](TppPrinterSetup& s) { return booleanValue(s.Active()); },
             [](TppPrinterSetup& s, const TraValue& v) { s.SetActive(v.boolean()); }),
         readOnly<TppPrinterSetup>("BinNames", daString,
                                   [](TppPrinterSetup& s) { return linesValue(s.BinNames()); }),
         readOnly<TppPrinterSetup>("PaperNames", daString,
                                   [](TppPrinterSetup& s) { return linesValue(s.PaperNames()); }),
         readOnly<TppPrinterSetup>("PrinterNames", daString,
                                   [](TppPrinterSetup& s) { return linesValue(s.PrinterNames()); }),
         readOnly<TppPrinterSetup>("PrinterDescription", daString,
                                   [](TppPrinterSetup& s) { return stringValue(s.PrinterDescription()); }),
         // What the printer is, as the setup knows it; its details stay with the printer.
         readOnly<TppPrinterSetup>("PrinterInfo", daString,
                                   [](TppPrinterSetup& s) { return stringValue(s.PrinterDescription()); }),
         setupSize("PrintableWidth", &TppPrinterSetup::PrintableWidth),
         setupSize("PrintableHeight", &TppPrinterSetup::PrintableHeight),
         readWrite<TppPrinterSetup>(
             "Units", daEnum, [](TppPrinterSetup& s) { return enumValue("TppUnitType", s.Units()); },
             [](TppPrinterSetup& s, const TraValue& v) { s.SetUnits(TppUnitType(v.ordinal())); },
             "TppUnitType")});
}

void describeComponents() {
    const TraRTTI* component = described("TppComponent");
    describe(
        "TppStretchable", &TppStretchable::staticClassInfo(), component,
        {readOnly<TppStretchable>("CurrentPosition", daInteger,
                                  [](TppStretchable& s) { return integerValue(s.CurrentPosition); }),
         readOnly<TppStretchable>("PageBottom", daInteger,
                                  [](TppStretchable& s) { return integerValue(s.PageBottom); }),
         readOnly<TppStretchable>("PartialGeneration", daBoolean,
                                  [](TppStretchable& s) { return booleanValue(s.PartialGeneration); }),
         readOnly<TppStretchable>("PartialAdjustment", daInteger,
                                  [](TppStretchable& s) { return integerValue(s.PartialAdjustment); }),
         readOnly<TppStretchable>("KeptTogether", daBoolean,
                                  [](TppStretchable& s) { return booleanValue(s.KeptTogether); }),
         readOnly<TppStretchable>("ShifterCount", daInteger,
                                  [](TppStretchable& s) { return integerValue(s.ShifterCount()); }),
         readWrite<TppStretchable>(
             "mmBottomOffset", daInteger, [](TppStretchable& s) { return integerValue(s.mmBottomOffset()); },
             [](TppStretchable& s, const TraValue& v) { s.SetmmBottomOffset(v.integer()); }),
         readWrite<TppStretchable>(
             "mmOverFlowOffset", daInteger,
             [](TppStretchable& s) { return integerValue(s.mmOverFlowOffset()); },
             [](TppStretchable& s, const TraValue& v) { s.SetmmOverFlowOffset(v.integer()); }),
         readWrite<TppStretchable>(
             "mmStopPosition", daInteger, [](TppStretchable& s) { return integerValue(s.mmStopPosition()); },
             [](TppStretchable& s, const TraValue& v) { s.SetmmStopPosition(v.integer()); })});
    const TraRTTI* memo = describe(
        "TppCustomMemo", &TppCustomMemo::staticClassInfo(), described("TppStretchable"),
        joined({readOnly<TppCustomMemo>("Text", daString,
                                        [](TppCustomMemo& m) { return stringValue(m.MemoText()); }),
                boundLines<TppCustomMemo>(
                    "Lines", [](TppCustomMemo& m) { return m.Lines(); },
                    [](TppCustomMemo& m, const QStringList& lines) { m.SetLines(lines); }),
                boundLines<TppCustomMemo>("PrintLines", [](TppCustomMemo& m) { return m.PrintLines; }),
                boundLines<TppCustomMemo>(
                    "TabStopPositions", [](TppCustomMemo& m) { return m.TabStopPositions(); },
                    [](TppCustomMemo& m, const QStringList& stops) { m.SetTabStopPositions(stops); }),
                readOnly<TppCustomMemo>(
                    "spLeading", daInteger,
                    [](TppCustomMemo& m) { return screenPixels(m.mmLeading(), Axis::Vertical); })},
               memoStreamMembers()));
    describe("TppDBMemo", &TppDBMemo::staticClassInfo(), memo,
             {event("OnGetMemo", ciDBMemoGetMemo, {{"Lines", daString, nullptr, -1, false, true}})});

    const TraRTTI* customText = described("TppCustomText");
    describe("TppDBText", &TppDBText::staticClassInfo(), customText,
             joined({readOnly<TppDBText>("FieldValue", daVariant,
                                         [](TppDBText& t) {
                                             TppDataPipeline* pipeline = t.DataPipeline();
                                             return variantToScriptValue(
                                                 pipeline ? pipeline->GetFieldValue(t.DataField())
                                                          : QVariant());
                                         })},
                    dbTextRunMembers()));
    describe("TppDBCalc", &TppDBCalc::staticClassInfo(), described("TppDBText"),
             {event("OnCalc", ciVariableCalc),
              readOnly<TppDBCalc>("Value", daDouble, [](TppDBCalc& c) { return doubleValue(c.Value()); }),
              readOnly<TppDBCalc>("Divisor", daDouble, [](TppDBCalc& c) { return doubleValue(c.Divisor()); }),
              method<TppDBCalc>("Clear", {}, daUnknown, [](TppDBCalc& c, TraCallFrame&) { c.Clear(); }),
              method<TppDBCalc>(
                  "GetLookAheadKey", {}, daString,
                  [](TppDBCalc& c, TraCallFrame& f) { f.result = stringValue(c.GetLookAheadKey()); }),
              method<TppDBCalc>("GetLookAheadValue", {{"aLookAheadKey", daString}}, daString,
                                [](TppDBCalc& c, TraCallFrame& f) {
                                    f.result = stringValue(c.GetLookAheadValue(textOf(f.args[0])));
                                })});
    describe(
        "TppVariable", &TppVariable::staticClassInfo(), customText,
        {event("OnCalc", ciVariableCalc, {kVarValue}), event("OnReset", ciVariableReset, {kVarValue}),
         event("OldOnCalc", ciVariableOldCalc),
         readWrite<TppVariable>(
             "Value", daVariant, [](TppVariable& v) { return variantToScriptValue(v.Value()); },
             [](TppVariable& v, const TraValue& value) {
                 v.SetValue(scriptValueToVariant(value, TraEnvironment::standard()));
             }),
         readWrite<TppVariable>(
             "AsBoolean", daBoolean, [](TppVariable& v) { return booleanValue(v.AsBoolean()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsBoolean(x.boolean()); }),
         readWrite<TppVariable>(
             "AsInteger", daInteger, [](TppVariable& v) { return integerValue(v.AsInteger()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsInteger(x.integer()); }),
         readWrite<TppVariable>(
             "AsSingle", daSingle, [](TppVariable& v) { return singleValue(v.AsSingle()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsSingle(x.single()); }),
         readWrite<TppVariable>(
             "AsDouble", daDouble, [](TppVariable& v) { return doubleValue(v.AsDouble()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsDouble(double(x.real())); }),
         readWrite<TppVariable>(
             "AsExtended", daExtended, [](TppVariable& v) { return TraValue::ofExtended(v.AsExtended()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsExtended(x.extended()); }),
         readWrite<TppVariable>(
             "AsCurrency", daDouble, [](TppVariable& v) { return doubleValue(v.AsCurrency()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsCurrency(double(x.real())); }),
         readWrite<TppVariable>(
             "AsString", daString, [](TppVariable& v) { return stringValue(v.AsString()); },
             [](TppVariable& v, const TraValue& x) { v.SetAsString(textOf(x)); }),
         readWrite<TppVariable>(
             "AsChar", daString, [](TppVariable& v) { return stringValue(QString(v.AsChar())); },
             [](TppVariable& v, const TraValue& x) {
                 const QString text = textOf(x);
                 v.SetAsChar(text.isEmpty() ? QChar() : text.front());
             }),
         readWrite<TppVariable>(
             "AsDateTime", daDateTime,
             [](TppVariable& v) { return dateValue(daDateTime, daysFromDateTime(v.AsDateTime())); },
             [](TppVariable& v, const TraValue& x) { v.SetAsDateTime(dateTimeFromDays(double(x.real()))); }),
         readWrite<TppVariable>(
             "AsDate", daDate,
             [](TppVariable& v) {
                 return dateValue(daDate, daysFromDateTime(QDateTime(v.AsDate(), QTime(0, 0), Qt::UTC)));
             },
             [](TppVariable& v, const TraValue& x) {
                 v.SetAsDate(dateTimeFromDays(double(x.real())).date());
             }),
         readWrite<TppVariable>(
             "AsTime", daTime,
             [](TppVariable& v) {
                 return dateValue(daTime,
                                  daysFromDateTime(QDateTime(QDate(1899, 12, 30), v.AsTime(), Qt::UTC)));
             },
             [](TppVariable& v, const TraValue& x) {
                 v.SetAsTime(dateTimeFromDays(double(x.real())).time());
             }),
         readWrite<TppVariable>(
             "CalcOrder", daInteger, [](TppVariable& v) { return integerValue(v.CalcOrder()); },
             [](TppVariable& v, const TraValue& x) { v.SetCalcOrder(x.integer()); }),
         readOnly<TppVariable>(
             "CalcComponent", daClass, [](TppVariable& v) { return objectValue(v.CalcComponent()); },
             "TppCommunicator"),
         readOnly<TppVariable>(
             "ResetComponent", daClass, [](TppVariable& v) { return objectValue(v.ResetComponent()); },
             "TppCommunicator")});
    describe("TppSystemVariable", &TppSystemVariable::staticClassInfo(), customText,
             {readOnlyEnum<TppSystemVariable>("VarType", "TppVarType",
                                              [](TppSystemVariable& v) { return v.VarType(); })});

    const TraRTTI* customComponent = described("TppCustomComponent");
    const TraRTTI* image = describe(
        "TppCustomImage", &TppCustomImage::staticClassInfo(), customComponent,
        {readOnly<TppCustomImage>(
             "Picture", daClass, [](TppCustomImage& i) { return objectValue(&i.Picture()); }, "TPicture"),

         readWrite<TppCustomImage>(
             "DirectDraw", daBoolean, [](TppCustomImage& i) { return booleanValue(i.DirectDraw()); },
             [](TppCustomImage& i, const TraValue& v) { i.SetDirectDraw(v.boolean()); })});
    describe("TppDBImage", &TppDBImage::staticClassInfo(), image,
             {event("OnGetPicture", ciDBImageGetPicture, {{"Picture", daClass}})});
    const TraRTTI* graphic = describe(
        "TppCustomGraphic", &TppCustomGraphic::staticClassInfo(), customComponent,
        {readOnly<TppCustomGraphic>(
            "Brush", daClass,
            [](TppCustomGraphic& g) { return objectValue(const_cast<TppBrush*>(&g.Brush())); }, "TBrush")});
    describe(
        "TppLine", &TppLine::staticClassInfo(), graphic,
        {readOnlyEnum<TppLine>("Position", "TppLinePositionType", [](TppLine& l) { return l.Position(); }),
         readOnlyEnum<TppLine>("Style", "TppLineStyleType", [](TppLine& l) { return l.Style(); })});
    describe("TppShape", &TppShape::staticClassInfo(), graphic,
             {readOnlyEnum<TppShape>("Shape", "TShapeType", [](TppShape& s) { return s.Shape(); })});

    const TraRTTI* richText = describe("TppCustomRichText", &TppCustomRichText::staticClassInfo(),
                                       described("TppStretchable"), richTextMembers());
    describe("TppDBRichText", &TppDBRichText::staticClassInfo(), richText, {});

    // Barcodes live above the scripts; their members are all published.
    describe("TppBarCode", nullptr, customComponent, {});
}

// What a node-create handler sees of an outline entry: its place in the
// tree, and the published Caption, NodeType and PageReference it may change.
void describeOutlineNodes(const TraRTTI* relative) {
    const auto node = [](TppTreeNode* n) { return objectValue(n); };
    const TraRTTI* treeNode = describe(
        "TppTreeNode", &TppTreeNode::staticClassInfo(), relative,
        {indexed<TppTreeNode>(
             "ChildNodes", "TppTreeNode", [](TppTreeNode& n) { return n.ChildNodeCount(); },
             [](TppTreeNode& n, int i) { return n.ChildNodes(i); }),
         readOnly<TppTreeNode>("ChildNodeCount", daInteger,
                               [](TppTreeNode& n) { return integerValue(n.ChildNodeCount()); }),
         readOnly<TppTreeNode>("AbsoluteChildNodeCount", daInteger,
                               [](TppTreeNode& n) { return integerValue(n.AbsoluteChildNodeCount()); }),
         readOnly<TppTreeNode>("Level", daInteger, [](TppTreeNode& n) { return integerValue(n.Level()); }),
         readOnly<TppTreeNode>(
             "ParentNode", daClass, [node](TppTreeNode& n) { return node(n.ParentNode()); }, "TppTreeNode"),
         method<TppTreeNode>(
             "GetFirstChild", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetFirstChild()); }, "TppTreeNode"),
         method<TppTreeNode>(
             "GetLastChild", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetLastChild()); }, "TppTreeNode"),
         method<TppTreeNode>(
             "GetNextSibling", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetNextSibling()); }, "TppTreeNode"),
         method<TppTreeNode>(
             "GetPreviousSibling", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetPreviousSibling()); },
             "TppTreeNode"),
         method<TppTreeNode>(
             "GetNext", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetNext()); }, "TppTreeNode"),
         method<TppTreeNode>(
             "GetPrevious", {}, daClass,
             [node](TppTreeNode& n, TraCallFrame& f) { f.result = node(n.GetPrevious()); }, "TppTreeNode")});
    describe("TppOutlineNode", &TppOutlineNode::staticClassInfo(), treeNode, {});
}

void describePages() {
    const TraRTTI* relative = described("TppRelative");
    const TraRTTI* drawCommand =
        describe("TppDrawCommand", &TppDrawCommand::staticClassInfo(), relative,
                 {readOnly<TppDrawCommand>(
                      "Page", daClass, [](TppDrawCommand& c) { return objectValue(c.Page()); }, "TppPage"),
                  readWrite<TppDrawCommand>(
                      "Clickable", daBoolean, [](TppDrawCommand& c) { return booleanValue(c.Clickable()); },
                      [](TppDrawCommand& c, const TraValue& v) { c.SetClickable(v.boolean()); }),
                  readWrite<TppDrawCommand>(
                      "RedrawPage", daBoolean, [](TppDrawCommand& c) { return booleanValue(c.RedrawPage); },
                      [](TppDrawCommand& c, const TraValue& v) { c.RedrawPage = v.boolean(); })});
    describe("TppDrawText", &TppDrawText::staticClassInfo(), drawCommand, {});
    describe(
        "TppPage", &TppPage::staticClassInfo(), relative,
        {method<TppPage>("RemoveDrawCommand", {{"aDrawCommand", daClass, &TppDrawCommand::staticClassInfo()}},
                         daUnknown, [](TppPage& p, TraCallFrame& f) {
                             auto* command = dynamic_cast<TppDrawCommand*>(f.args[0].object());
                             if (command && command->Page() == &p)
                                 p.RemoveDrawCommand(command);
                         })});
    describeOutlineNodes(relative);
    const TraRTTI* band = described("TppBand");
    const TraRTTI* pageBand = describe("TppPageBand", &TppPageBand::staticClassInfo(), band, {});
    describe("TppFooterBand", &TppFooterBand::staticClassInfo(), pageBand, {});
    describe("TppColumnFooterBand", &TppColumnFooterBand::staticClassInfo(), band, {});
    describe("TppReportBand", &TppReportBand::staticClassInfo(), band,
             {readWrite<TppReportBand>(
                 "NewPage", daBoolean, [](TppReportBand& b) { return booleanValue(b.NewPage()); },
                 [](TppReportBand& b, const TraValue& v) { b.SetNewPage(v.boolean()); })});
}

void describeTemplates() {
    const TraRTTI* tPersistent = described("TPersistent");
    describe("TppTemplateDBSettings", &TppTemplateDBSettings::staticClassInfo(), tPersistent,
             {readOnly<TppTemplateDBSettings>(
                  "DataPipeline", daClass,
                  [](TppTemplateDBSettings& s) { return objectValue(s.DataPipeline()); }, "TppDataPipeline"),
              readWrite<TppTemplateDBSettings>(
                  "NameField", daString, [](TppTemplateDBSettings& s) { return stringValue(s.NameField()); },
                  [](TppTemplateDBSettings& s, const TraValue& v) { s.SetNameField(textOf(v)); }),
              readWrite<TppTemplateDBSettings>(
                  "TemplateField", daString,
                  [](TppTemplateDBSettings& s) { return stringValue(s.TemplateField()); },
                  [](TppTemplateDBSettings& s, const TraValue& v) { s.SetTemplateField(textOf(v)); })});
    const TraRTTI* customTemplate = describe(
        "TppCustomTemplate", &TppCustomTemplate::staticClassInfo(), tPersistent,
        {readOnly<TppCustomTemplate>(
             "DatabaseSettings", daClass,
             [](TppCustomTemplate& t) { return objectValue(&t.DatabaseSettings()); },
             "TppTemplateDBSettings"),
         readWrite<TppCustomTemplate>(
             "Description", daString, [](TppCustomTemplate& t) { return stringValue(t.Description()); },
             [](TppCustomTemplate& t, const TraValue& v) { t.SetDescription(textOf(v)); }),
         readWrite<TppCustomTemplate>(
             "Format", daEnum, [](TppCustomTemplate& t) { return enumValue("TppFormatType", t.Format()); },
             [](TppCustomTemplate& t, const TraValue& v) { t.SetFormat(TppFormatType(v.ordinal())); },
             "TppFormatType"),
         readWrite<TppCustomTemplate>(
             "SaveTo", daEnum, [](TppCustomTemplate& t) { return enumValue("TppSaveToType", t.SaveTo()); },
             [](TppCustomTemplate& t, const TraValue& v) { t.SetSaveTo(TppSaveToType(v.ordinal())); },
             "TppSaveToType"),
         readOnly<TppCustomTemplate>("Offset", daInteger,
                                     [](TppCustomTemplate& t) { return integerValue(t.Offset()); }),
         readOnly<TppCustomTemplate>(
             "Owner", daClass, [](TppCustomTemplate& t) { return objectValue(t.Owner()); }, "TComponent")});
    // Loading replaces the report the script runs in; the file members read
    // and write files and are refused unless the run allows it.
    const TraRTTI* reportTemplate =
        describe("TppTemplate", &TppTemplate::staticClassInfo(), customTemplate,
                 {fileMethod<TppTemplate>("LoadFromFile",
                                          [](TppTemplate& t, TraCallFrame& f) {
                                              refuseReplacingARunningReport(t);
                                              t.SetFileName(textOf(f.args[0]));
                                              t.LoadFromFile();
                                          }),
                  fileMethod<TppTemplate>("SaveToFile",
                                          [](TppTemplate& t, TraCallFrame& f) {
                                              t.SetFileName(textOf(f.args[0]));
                                              t.SaveToFile();
                                          }),
                  method<TppTemplate>("LoadFromDatabase", {}, daUnknown,
                                      [](TppTemplate& t, TraCallFrame&) {
                                          refuseReplacingARunningReport(t);
                                          t.LoadFromDatabase();
                                      }),
                  method<TppTemplate>("SaveToDatabase", {}, daUnknown,
                                      [](TppTemplate& t, TraCallFrame&) { t.SaveToDatabase(); }),
                  readOnly<TppTemplate>("FileExtension", daString,
                                        [](TppTemplate& t) { return stringValue(t.FileExtension()); }),
                  readOnly<TppTemplate>("FileFilter", daString,
                                        [](TppTemplate& t) { return stringValue(t.FileFilter()); }),
                  readOnly<TppTemplate>(
                      "Root", daClass, [](TppTemplate& t) { return objectValue(t.Root()); }, "TComponent"),
                  readOnly<TppTemplate>("ReadOnly", daBoolean,
                                        [](TppTemplate& t) { return booleanValue(t.ReadOnly()); })});
    describe("TppReportTemplate", &TppReportTemplate::staticClassInfo(), reportTemplate,
             {readOnly<TppReportTemplate>(
                 "Report", daClass, [](TppReportTemplate& t) { return objectValue(&t.Report()); },
                 "TppCustomReport")});
}

} // namespace

void describeReportParts() {
    describePrinterSetup();
    describeComponents();
    describePages();
    describeTemplates();
}

} // namespace TraDescribe
