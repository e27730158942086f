// `pagewright render` as a user runs it: the shipped Amortization.rtm over a
// schedule CSV of 36,000 rows (100 loans of 360 months), loaded, generated
// and written out.
//
//   RenderToDump  every page as the text dump, kept in memory
//   RenderToPng   every page as a picture at 100 %, into a temporary folder
//
// Each reports "pages/s" and "peak MiB", the process's peak resident memory
// so far (run one benchmark per process for a figure of its own).
#include "GuiBenchmark.h"
#include "RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>

namespace {

constexpr int kLoans = 100;
constexpr int kMonths = 360;

double round3(double value) {
    return std::nearbyint(value / 0.001) * 0.001;
}

// The schedules of kLoans loans of 100,000 to 199,000 at 6 % over 30 years,
// one after the other, as `kestrel schedule` writes them.
QByteArray scheduleCsv() {
    QByteArray csv = "DATE,PAYMENT,PRINCIPAL_PAID,INTEREST_PAID,TOTAL_INTEREST,BALANCE\n";
    const double rate = 0.06 / 12;
    for (int loan = 0; loan < kLoans; ++loan) {
        double balance = 100000.0 + 1000.0 * loan;
        const double payment = round3(balance * rate / (1 - std::pow(1 + rate, -kMonths)));
        double totalInterest = 0;
        for (int month = 1; month <= kMonths; ++month) {
            const double interest = round3(balance * rate);
            const double paid = month == kMonths ? round3(balance + interest) : payment;
            const double principal = paid - interest;
            totalInterest += interest;
            balance = month == kMonths ? 0 : balance - principal;
            csv += QStringLiteral("%1/%2,%3,%4,%5,%6,%7\n")
                       .arg((2024 * 12 + month) % 12 + 1, 2, 10, QLatin1Char('0'))
                       .arg((2024 * 12 + month) / 12)
                       .arg(paid, 0, 'f', 3)
                       .arg(principal, 0, 'f', 3)
                       .arg(interest, 0, 'f', 3)
                       .arg(totalInterest, 0, 'f', 3)
                       .arg(round3(balance), 0, 'f', 3)
                       .toLatin1();
        }
    }
    return csv;
}

struct Input {
    QTemporaryDir folder;
    QString csv = folder.filePath(QStringLiteral("schedule.csv"));
    QString report = QStringLiteral(PW_SOURCE_DIR "/app/Amortization.rtm");

    Input() {
        QFile file(csv);
        file.open(QIODevice::WriteOnly);
        file.write(scheduleCsv());
    }
    QStringList arguments(const QStringList& output) const {
        return QStringList{report, "--data", "DBPipeline1=" + csv} + output;
    }
};

Input& input() {
    static Input shared;
    return shared;
}

int render(const QStringList& arguments, QTextStream& out) {
    QString errors;
    QTextStream err(&errors);
    const int status = runRenderCommand(arguments, out, err, SystemClock());
    if (status != 0)
        qFatal("pagewright render failed: %s", qPrintable(errors));
    return status;
}

void reportFigures(benchmark::State& state, int pages) {
    state.counters["pages"] = pages;
    state.counters["pages/s"] =
        benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
    reportPeakMemory(state);
}

void RenderToDump(benchmark::State& state) {
    int pages = 0;
    for (auto _ : state) {
        QString dump;
        QTextStream out(&dump);
        render(input().arguments({"--dump"}), out);
        out.flush();
        pages =
            int(dump.count(QStringLiteral("\npage "))) + (dump.startsWith(QStringLiteral("page ")) ? 1 : 0);
    }
    reportFigures(state, pages);
}

void RenderToPng(benchmark::State& state) {
    QTextStream out(stdout);
    int pages = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        render(input().arguments({"--png", folder.path()}), out);
        pages = int(QDir(folder.path()).entryList(QDir::Files).size());
    }
    reportFigures(state, pages);
}

} // namespace

BENCHMARK(RenderToDump)->Unit(benchmark::kSecond)->Iterations(3);
BENCHMARK(RenderToPng)->Unit(benchmark::kSecond)->Iterations(1);
