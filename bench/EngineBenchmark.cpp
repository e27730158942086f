// Generation speed of a detail report: a header, a footer and a detail band
// of six data-bound texts over an in-memory table of 1,000, 10,000 and
// 100,000 rows, generated to pages of draw commands that no device draws.
//
//   AllPages        every page of a one-pass run; counter "pages/s"
//   FirstPage       a fresh run's first page (must not grow with the rows)
//   RegeneratePage  a page near the end once the first pass is done, made
//                   again from the state saved for the page before (must not
//                   grow with the page number)
//
// Each also reports "peak MiB", the process's peak resident memory so far.
#include "DataSource.h"
#include "GuiBenchmark.h"
#include "MemoryTable.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppDevice.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppPublisher.h"
#include "TppReport.h"

#include <QDate>
#include <map>
#include <memory>

namespace {

// Counts the pages it is sent and draws nothing.
class PageCounter : public TppDevice {
public:
    using TppDevice::TppDevice;
    void AcceptPage(TppPage& page) override {
        TppDevice::AcceptPage(page);
        if (ShouldOutput())
            ++pages;
    }
    int pages = 0;
};

// The report and its table, built once per row count.
class Listing {
public:
    explicit Listing(int rows) {
        table.setFieldDefs({{"Month", FieldType::Integer, 0, 0},
                            {"Due", FieldType::Date, 0, 0},
                            {"Payment", FieldType::Float, 0, 0},
                            {"Principal", FieldType::Float, 0, 0},
                            {"Interest", FieldType::Float, 0, 0},
                            {"Balance", FieldType::Float, 0, 0}});
        table.open();
        table.disableControls();
        double balance = 1e7;
        for (int month = 1; month <= rows; ++month) {
            const double interest = balance * 0.005;
            const double principal = 600.0 - interest > 0 ? 600.0 - interest : 1.0;
            balance -= principal;
            table.append();
            table.setValue(0, month);
            table.setValue(1, QDate(2024, 1, 15).addMonths(month - 1));
            table.setValue(2, 600.0);
            table.setValue(3, principal);
            table.setValue(4, interest);
            table.setValue(5, balance);
            table.post();
        }
        table.enableControls();
        table.first();
        pipeline->SetDataSource(source);
        report->SetDataPipeline(pipeline);

        auto* header = band<TppHeaderBand>(12000);
        auto* title = new TppLabel(&form);
        title->SetBand(header);
        title->SetCaption(QStringLiteral("Amortization schedule"));
        title->SetBounds(0, 2000, 100000, 6000);
        auto* detail = band<TppDetailBand>(5000);
        const QStringList fields = {"Month", "Due", "Payment", "Principal", "Interest", "Balance"};
        for (int index = 0; index < fields.size(); ++index) {
            auto* text = new TppDBText(&form);
            text->SetBand(detail);
            text->SetDataPipeline(pipeline);
            text->SetDataField(fields[index]);
            text->SetDisplayFormat(index >= 2 ? QStringLiteral("#,0.00") : QString());
            text->SetBounds(index * 32000, 500, 30000, 4000);
        }
        auto* footer = band<TppFooterBand>(8000);
        auto* note = new TppLabel(&form);
        note->SetBand(footer);
        note->SetCaption(QStringLiteral("End of page"));
        note->SetBounds(0, 1000, 60000, 5000);
        report->MessagePump = [] {};
        device.SetPublisher(&report->Publisher());
    }

    template <class Band> Band* band(int height) {
        auto* made = new Band(&form);
        made->SetReport(report);
        made->SetmmHeight(height);
        return made;
    }

    int print(TppPageSettingType setting, int page = 1) {
        TppPageRequest request;
        request.PageSetting = setting;
        request.PageRequested = page;
        device.SetPageRequest(request);
        device.pages = 0;
        report->RunPrintJob();
        return device.pages;
    }

    // Forgets the run: the next request starts from page 1.
    void restart() {
        report->Engine()->Reset();
        report->Publisher().Reset();
    }

    OwnedComponent form;
    MemoryTable table;
    DataSource* source = new DataSource(&form, &table);
    TppDBPipeline* pipeline = new TppDBPipeline(&form);
    TppReport* report = new TppReport(&form);
    PageCounter device;
};

Listing& listing(int rows) {
    static std::map<int, std::unique_ptr<Listing>> made;
    std::unique_ptr<Listing>& found = made[rows];
    if (!found)
        found = std::make_unique<Listing>(rows);
    return *found;
}

void AllPages(benchmark::State& state) {
    Listing& report = listing(int(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        report.restart();
        state.ResumeTiming();
        pages += report.print(psAll);
    }
    state.counters["pages"] = double(pages) / double(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
    reportPeakMemory(state);
}

void FirstPage(benchmark::State& state) {
    Listing& report = listing(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        report.restart();
        state.ResumeTiming();
        benchmark::DoNotOptimize(report.print(psFirstPage));
    }
    reportPeakMemory(state);
}

void RegeneratePage(benchmark::State& state) {
    Listing& report = listing(int(state.range(0)));
    report.restart();
    const int pages = report.print(psAll);
    const int nearEnd = std::max(1, pages - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(report.print(psSinglePage, nearEnd));
    state.counters["page"] = nearEnd;
    reportPeakMemory(state);
}

} // namespace

BENCHMARK(AllPages)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RegeneratePage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
