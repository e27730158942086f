// Generation speed of a detail report: a header, a footer and a detail band
// of six data-bound texts over an in-memory table of 1,000, 10,000 and
// 100,000 rows, generated to pages of draw commands that no device draws.
//
//   AllPages        every page of a one-pass run; counter "pages/s"
//   FirstPage       a fresh run's first page (must not grow with the rows)
//   RegeneratePage  a page near the end once the first pass is done, made
//                   again from the state saved for the page before (must not
//                   grow with the page number)
//   Grouped/<rows>/<totals>  the rows grouped by year, a footer after each
//                   year; with totals 1 the footer sums the four amounts and a
//                   summary adds the grand total; counter "rows/s"
//   ScriptedPages   AllPages with a script handler on every detail band, to
//                   set against AllPages of the same rows
//
// Each also reports "peak MiB", the process's peak resident memory so far.
#include "GuiBenchmark.h"
#include "ListingReport.h"
#include "MemoryTable.h"
#include "TppBand.h"
#include "TraCodeModule.h"

#include <QDate>
#include <map>
#include <memory>

namespace {

// The report and its table, built once per row count.
class Listing : public ListingReport {
public:
    explicit Listing(int rows) {
        table.setFieldDefs({{"Month", FieldType::Integer, 0, 0},
                            {"Year", FieldType::Integer, 0, 0},
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
            table.setValue(QStringLiteral("Month"), month);
            table.setValue(QStringLiteral("Year"), 2024 + (month - 1) / 12);
            table.setValue(QStringLiteral("Due"), QDate(2024, 1, 15).addMonths(month - 1));
            table.setValue(QStringLiteral("Payment"), 600.0);
            table.setValue(QStringLiteral("Principal"), principal);
            table.setValue(QStringLiteral("Interest"), interest);
            table.setValue(QStringLiteral("Balance"), balance);
            table.post();
        }
        table.enableControls();
        table.first();
        source->setDataset(&table);
    }

    MemoryTable table;
};

Listing& listing(int rows) {
    static std::map<int, std::unique_ptr<Listing>> made;
    std::unique_ptr<Listing>& found = made[rows];
    if (!found)
        found = std::make_unique<Listing>(rows);
    return *found;
}

// Every page of a fresh one-pass run per iteration; gives the pages made in
// all and sets the "pages" counter to those of one run.
int printEveryPage(benchmark::State& state, Listing& report) {
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        report.restart();
        state.ResumeTiming();
        pages += report.print(psAll);
    }
    state.counters["pages"] = double(pages) / double(state.iterations());
    return pages;
}

void AllPages(benchmark::State& state) {
    const int pages = printEveryPage(state, listing(int(state.range(0))));
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

// The listing grouped by year, with or without its totals, built once each.
Listing& groupedListing(int rows, bool totals) {
    static std::map<std::pair<int, bool>, std::unique_ptr<Listing>> made;
    std::unique_ptr<Listing>& found = made[{rows, totals}];
    if (!found) {
        found = std::make_unique<Listing>(rows);
        found->groupBy(QStringLiteral("Year"), totals);
    }
    return *found;
}

void Grouped(benchmark::State& state) {
    const int rows = int(state.range(0));
    printEveryPage(state, groupedListing(rows, state.range(1) != 0));
    state.counters["rows/s"] =
        benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The listing with a handler on the detail band's BeforePrint, as templates
// carry them: it counts the rows in a global variable, reads a field and
// decides the band's visibility.
Listing& scriptedListing(int rows) {
    static std::map<int, std::unique_ptr<Listing>> made;
    std::unique_ptr<Listing>& found = made[rows];
    if (found)
        return *found;
    registerScriptClasses();
    found = std::make_unique<Listing>(rows);
    found->report->DetailBand()->SetUserName(QStringLiteral("Detail"));
    found->pipeline->SetUserName(QStringLiteral("Rows"));
    auto* module = new TraCodeModule(&found->form);
    module->SetParent(found->report);
    module->globalVariables().setSource(
        "procedure GlobalVarSection;\r\nvar\r\n  Count: Integer;\r\nbegin\r\nend;");
    module->addEventHandler("Detail", "BeforePrint")
        .replaceBody("  Count := Count + 1;\r\n  Detail.Visible := Rows.GetFieldValue('Payment') > 0;");
    module->compileAll(false);
    return *found;
}

void ScriptedPages(benchmark::State& state) {
    Listing& report = scriptedListing(int(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        report.restart();
        state.ResumeTiming();
        pages += report.print(psAll);
    }
    state.counters["pages"] = double(pages) / double(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(AllPages)->Arg(1000)->Arg(10000)->Arg(36000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Grouped)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(RegeneratePage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScriptedPages)->Arg(36000)->Unit(benchmark::kMillisecond);
