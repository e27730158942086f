#include "StreamFixtures.h"

#include "OutputClasses.h"

const ClassInfo& StreamTestReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<StreamTestReport>("TStreamTestReport", &TppReportModel::staticClassInfo(), [](auto& c) {
            c.property("AutoStop", &StreamTestReport::AutoStop, &StreamTestReport::SetAutoStop)
                .withDefault(true);
            c.reference("DataPipeline", &StreamTestReport::DataPipeline, &StreamTestReport::SetDataPipeline);
            c.property("Units", &StreamTestReport::Units, &StreamTestReport::SetUnits)
                .names({"utScreenPixels", "utInches", "utMillimeters", "utPrinterPixels", "utMMThousandths"})
                .withDefault(utInches);
            c.object("PageDef", [](StreamTestReport& r) -> Persistent* { return &r.pageDef; });
        });
    return info;
}

const ClassInfo& StreamTestLabel::staticClassInfo() {
    static const ClassInfo info =
        describeClass<StreamTestLabel>("TStreamTestLabel", &TppComponent::staticClassInfo(), [](auto& c) {
            c.property("Caption", &StreamTestLabel::Caption, &StreamTestLabel::SetCaption);
            c.property("FontColor", &StreamTestLabel::FontColor, &StreamTestLabel::SetFontColor)
                .idents(colorIdents())
                .withDefault(0);
            c.reference("ShiftRelativeTo", &StreamTestLabel::ShiftRelativeTo,
                        &StreamTestLabel::SetShiftRelativeTo);
        });
    return info;
}

void StreamTestLabel::SetShiftRelativeTo(TppComponent* component) {
    if (relativeTo_)
        UnlinkFrom(relativeTo_);
    relativeTo_ = component;
    if (relativeTo_)
        LinkTo(relativeTo_);
}

void StreamTestLabel::Notify(TppCommunicator* sender, int operation) {
    TppComponent::Notify(sender, operation);
    if (operation == ppopRemove && sender == relativeTo_)
        relativeTo_ = nullptr;
}

const ClassInfo& SampleColumn::staticClassInfo() {
    static const ClassInfo info =
        describeClass<SampleColumn>("TSampleColumn", &Persistent::staticClassInfo(), [](auto& c) {
            c.property(
                "Width", [](const SampleColumn& s) { return s.width; },
                [](SampleColumn& s, int v) { s.width = v; });
            c.property(
                "Title", [](const SampleColumn& s) { return s.title; },
                [](SampleColumn& s, QString v) { s.title = v; });
            c.reference(
                "Source", [](const SampleColumn& s) { return s.source; },
                [](SampleColumn& s, OwnedComponent* v) { s.source = v; });
        });
    return info;
}

const ClassInfo& SampleComponent::staticClassInfo() {
    using S = SampleComponent;
    static const ClassInfo info =
        describeClass<S>("TSampleComponent", &OwnedComponent::staticClassInfo(), [](auto& c) {
            c.property(
                "Count", [](const S& s) { return s.count; }, [](S& s, int v) { s.count = v; });
            c.property(
                 "Color", [](const S& s) { return s.color; }, [](S& s, int v) { s.color = v; })
                .idents(colorIdents())
                .withDefault(0xFFFFFF);
            c.property(
                 "Big", [](const S& s) { return s.big; }, [](S& s, qint64 v) { s.big = v; })
                .withDefault(qint64(0));
            c.property(
                 "Ratio", [](const S& s) { return s.ratio; }, [](S& s, double v) { s.ratio = v; })
                .as(PropertyKind::Extended);
            c.property(
                "Amount", [](const S& s) { return s.amount; }, [](S& s, double v) { s.amount = v; });
            c.property(
                "Scale", [](const S& s) { return s.scale; }, [](S& s, float v) { s.scale = v; });
            c.property(
                 "Price", [](const S& s) { return s.price; }, [](S& s, double v) { s.price = v; })
                .as(PropertyKind::Currency);
            c.property(
                 "Stamp", [](const S& s) { return s.stamp; }, [](S& s, double v) { s.stamp = v; })
                .as(PropertyKind::DateTime);
            c.property(
                "Caption", [](const S& s) { return s.caption; }, [](S& s, QString v) { s.caption = v; });
            c.property(
                 "Enabled", [](const S& s) { return s.enabled; }, [](S& s, bool v) { s.enabled = v; })
                .withDefault(true);
            c.property(
                 "Shade", [](const S& s) { return s.shade; }, [](S& s, SampleShade v) { s.shade = v; })
                .names({"shLight", "shDark", "shGlossy"})
                .withDefault(shLight);
            c.property(
                 "Styles", [](const S& s) { return s.styles; }, [](S& s, unsigned v) { s.styles = v; })
                .names({"fsBold", "fsItalic", "fsUnderline"})
                .withDefault(0u);
            c.property(
                "Picture", [](const S& s) { return s.picture; }, [](S& s, QByteArray v) { s.picture = v; });
            c.property(
                "Lines", [](const S& s) { return s.lines; }, [](S& s, QStringList v) { s.lines = v; });
            c.object("Page", [](S& s) { return &s.page; });
            c.collection("Columns", [](S& s) { return &s.columns; });
            c.reference(
                "Target", [](const S& s) { return s.target; }, [](S& s, OwnedComponent* v) { s.target = v; });
            c.event("OnClick", &S::onClick);
            c.defined(
                "mmOffset", PropertyKind::Integer, [](const S& s) { return s.offset; },
                [](S& s, const QVariant& v) { s.offset = v.toInt(); });
            c.defined(
                 "Blob", PropertyKind::Binary, [](const S& s) { return s.blob; },
                 [](S& s, const QVariant& v) { s.blob = v.toByteArray(); })
                .writtenWhen([](const S& s) { return !s.blob.isEmpty(); });
            c.defined("OldCaption", PropertyKind::String, nullptr,
                      [](S& s, const QVariant& v) { s.legacy = v.toString(); });
        });
    return info;
}

void registerStreamTestClasses() {
    registerReportModelClasses();
    registerDataPipelineClasses();
    // Pages and draw commands stream like any registered class (archives hold them).
    registerOutputClasses();
    for (const ClassInfo* info : {&StreamTestReport::staticClassInfo(), &StreamTestLabel::staticClassInfo(),
                                  &SampleComponent::staticClassInfo()})
        ClassRegistry::instance().registerClass(*info);
}

namespace {

StreamTestLabel* addLabel(OwnedComponent& form, TppBand* band, const QString& name, const QString& caption,
                          int left, int top) {
    auto* label = new StreamTestLabel(&form);
    label->SetName(name);
    label->SetBand(band);
    label->SetCaption(caption);
    label->SetmmLeft(left);
    label->SetmmTop(top);
    label->SetmmWidth(17727);
    label->SetmmHeight(3969);
    return label;
}

template <class Band>
Band* addBand(OwnedComponent& form, TppReportModel* report, const QString& name, int height) {
    auto* band = new Band(&form);
    band->SetName(name);
    band->SetReport(report);
    band->SetmmHeight(height);
    return band;
}

} // namespace

void addSampleLayout(OwnedComponent& form, TppReportModel* report, TppDataPipeline* pipeline) {
    report->SetDataPipeline(pipeline);
    addBand<TppTitleBand>(form, report, "ppTitleBand1", 20000);
    auto* header = addBand<TppHeaderBand>(form, report, "ppHeaderBand1", 52652);
    auto* month = addLabel(form, header, "ppLabel1", "Month/Year", 3704, 47361);
    month->SetFontColor(0x000080);
    auto* interest = addLabel(form, header, "ppLabel2", QString::fromUtf8("Intérêt 'total'"), 40000, 47361);
    interest->SetVisible(false);
    interest->SetShiftRelativeTo(month);
    auto* detail = addBand<TppDetailBand>(form, report, "ppDetailBand1", 4763);
    addLabel(form, detail, "ppLabel3", "Payment", 3704, 0)->SetDataPipeline(pipeline);
    addBand<TppFooterBand>(form, report, "ppFooterBand1", 13229);
    auto* summary = addBand<TppSummaryBand>(form, report, "ppSummaryBand1", 10000);
    summary->SetPrintHeight(phDynamic);
    summary->BeforePrint.methodName = "SummaryBeforePrint";

    auto* group = new TppGroup(&form);
    group->SetName("ppGroup1");
    group->SetReport(report);
    group->SetBreakName("Month");
    group->SetNewPage(true);
    group->CreateBands();
    group->HeaderBand()->SetName("ppGroupHeaderBand1");
    group->FooterBand()->SetName("ppGroupFooterBand1");
    addLabel(form, group->FooterBand(), "ppLabel4", "Total", 0, 500);
}

SampleForm::SampleForm(Contents contents) {
    registerStreamTestClasses();
    form.SetName("Form1");
    pipeline = new TppDBPipeline(&form);
    pipeline->SetName("ppDBPipeline1");
    pipeline->SetUserName("Schedule");
    pipeline->DefineField("Month", dtString, 20);
    pipeline->DefineField("Payment", dtDouble, 0);
    pipeline->AddLink("Month", "Month");
    if (contents == PipelineOnly)
        return;

    report = new StreamTestReport(&form);
    report->SetName("Report1");
    TppPageDef page = report->PageDef();
    page.mmWidth = 215900;
    page.mmHeight = 279401;
    report->SetPageDef(page);
    addSampleLayout(form, report, pipeline);
}
