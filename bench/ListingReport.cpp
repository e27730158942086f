#include "ListingReport.h"

#include "TppDBCalc.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppPublisher.h"
#include "TppSummaryBand.h"

namespace {

template <class Band> Band* band(OwnedComponent& form, TppReport* report, int height) {
    auto* made = new Band(&form);
    made->SetReport(report);
    made->SetmmHeight(height);
    return made;
}

} // namespace

void ListingReport::PageCounter::AcceptPage(TppPage& page) {
    TppDevice::AcceptPage(page);
    if (ShouldOutput())
        ++pages;
}

ListingReport::ListingReport() {
    pipeline->SetDataSource(source);
    report->SetDataPipeline(pipeline);
    auto* header = band<TppHeaderBand>(form, report, 12000);
    auto* title = new TppLabel(&form);
    title->SetBand(header);
    title->SetCaption(QStringLiteral("Amortization schedule"));
    title->SetBounds(0, 2000, 100000, 6000);
    auto* detail = band<TppDetailBand>(form, report, 5000);
    const QStringList fields = {"Month", "Due", "Payment", "Principal", "Interest", "Balance"};
    for (int index = 0; index < fields.size(); ++index) {
        auto* text = new TppDBText(&form);
        text->SetBand(detail);
        text->SetDataPipeline(pipeline);
        text->SetDataField(fields[index]);
        text->SetDisplayFormat(index >= 2 ? QStringLiteral("#,0.00") : QString());
        text->SetBounds(index * 32000, 500, 30000, 4000);
    }
    auto* footer = band<TppFooterBand>(form, report, 8000);
    auto* note = new TppLabel(&form);
    note->SetBand(footer);
    note->SetCaption(QStringLiteral("End of page"));
    note->SetBounds(0, 1000, 60000, 5000);
    report->MessagePump = [] {};
    device.SetPublisher(&report->Publisher());
}

int ListingReport::print(TppPageSettingType setting, int page) {
    TppPageRequest request;
    request.PageSetting = setting;
    request.PageRequested = page;
    device.SetPageRequest(request);
    device.pages = 0;
    report->RunPrintJob();
    return device.pages;
}

void ListingReport::restart() {
    report->Engine()->Reset();
    report->Publisher().Reset();
}

void ListingReport::groupBy(const QString& field, bool totals) {
    auto* group = new TppGroup(&form);
    group->SetReport(report);
    group->SetDataPipeline(pipeline);
    group->SetBreakName(field);
    group->CreateBands();
    group->HeaderBand()->SetmmHeight(0);
    group->FooterBand()->SetmmHeight(5000);
    if (!totals)
        return;
    const auto addSum = [&](TppBand* in, const QString& amount, int left) {
        auto* sum = new TppDBCalc(&form);
        sum->SetBand(in);
        sum->SetDataPipeline(pipeline);
        sum->SetDataField(amount);
        sum->SetDisplayFormat(QStringLiteral("#,0.00"));
        sum->SetBounds(left, 500, 30000, 4000);
        return sum;
    };
    const QStringList amounts = {"Payment", "Principal", "Interest", "Balance"};
    for (int index = 0; index < amounts.size(); ++index)
        addSum(group->FooterBand(), amounts[index], (index + 2) * 32000)->SetResetGroup(group);
    auto* summary = band<TppSummaryBand>(form, report, 5000);
    addSum(summary, QStringLiteral("Payment"), 2 * 32000);
}
