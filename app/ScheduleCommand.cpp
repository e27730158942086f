#include "ScheduleCommand.h"

#include "AmortizationSchedule.h"
#include "LoanOptions.h"
#include "NumberFormat.h"

#include <QLocale>

namespace {

constexpr int kRefused = 2;

// Amounts are written in thousandths, as the schedule rounds them. Its
// doubles are not always the nearest ones to their thousandths (a difference
// of two amounts may be 102.06500000000005 where the text says 102.065), and
// where the two round to different cents the amount is written in full, so
// that a report over the CSV prints the cents a report over the table prints.
QString csvAmount(double value) {
    static const FormatSettings plain = FormatSettings::invariant();
    const QString thousandths = formatFloat(QStringLiteral("0.000"), value, plain);
    const QString cents = QStringLiteral("0.00");
    if (formatFloat(cents, thousandths.toDouble(), plain) == formatFloat(cents, value, plain))
        return thousandths;
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

QString kestrelUsage() {
    return QStringLiteral(
        "Usage:\n"
        "  kestrel                 start the calculator window\n"
        "  kestrel schedule [options]\n"
        "                          compute the amortization schedule and print it as CSV\n"
        "  kestrel report [options] [--template FILE] (--dump | --png DIR [--dpi N] | --pdf FILE)\n"
        "                          what \"Show Report\" shows, without a window: --dump prints each\n"
        "                          page as text (\"page N of M\", then one line per draw command:\n"
        "                          class, left, top, width, height in thousandths of a millimetre,\n"
        "                          and a text command's text as JSON); --png DIR writes\n"
        "                          page-0001.png ..., the paper alone at 100 % (96 pixels an\n"
        "                          inch, or N with --dpi N); --pdf FILE writes the pages as a PDF\n"
        "                          file (fonts embedded, texts selectable). The template FILE\n"
        "                          defaults to the Amortization.rtm beside the program\n"
        "  kestrel preview ARCHIVE  the preview window on the pages of an archive (.raf) that a\n"
        "                          report's ArchiveFile output or pagewright render --archive\n"
        "                          wrote, turned and zoomed as a report's; no data is needed\n"
        "  kestrel export --xlsx FILE [options]\n"
        "                          what \"Export To Excel\" writes, without a window: the schedule as\n"
        "                          a workbook (A1:F1 merged with [HEADER HERE], the column titles in\n"
        "                          row 5, one row per month from row 6, amounts as numbers in\n"
        "                          #,0.000). FILE is replaced only once the new workbook is complete\n"
        "  kestrel --help          show this text\n"
        "\n"
        "Options of schedule, report and export (defaults are the window's):\n"
        "  --amount X              loan amount (10000)\n"
        "  --term N                term, a whole number (12)\n"
        "  --term-unit month|year  unit of the term (month)\n"
        "  --rate X                yearly interest rate in percent (6)\n"
        "  --start YYYY-MM-DD      start date of the loan (today)\n"
        "  --extra-monthly X       additional payment every month (0)\n"
        "  --extra-yearly X        additional payment once a year (0)\n"
        "  --yearly-month M        month of the yearly payment: 1-12 or Jan ... Sept ... Dec (Jan)\n"
        "  --extra-once X          one-time additional payment (0)\n"
        "  --once-date YYYY-MM-DD  month and year of the one-time payment (today)\n"
        "\n"
        "Numbers are read as the edit boxes read them, with the locale's decimal separator.\n"
        "Output: a header line DATE,PAYMENT,PRINCIPAL_PAID,INTEREST_PAID,TOTAL_INTEREST,BALANCE\n"
        "and one line per month; amounts have three decimals and \".\" as the decimal point.\n"
        "A refused input prints its \"ADVISORY : \" message on standard error and exits with status 2;\n"
        "a template or generation error in kestrel report, or a workbook kestrel export cannot write,\n"
        "prints its message and exits with status 1.\n");
}

int runScheduleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                       const FormatSettings& settings) {
    LoanInputs inputs;
    try {
        inputs = parseLoanOptions(arguments, clock);
    } catch (const UsageError& error) {
        err << "kestrel schedule: " << error.message << "\n" << kestrelUsage();
        return kRefused;
    }
    MemoryTable table;
    if (!computeCommandSchedule(inputs, table, settings, err))
        return kRefused;
    const FieldDefs fields = table.fieldDefs();
    QStringList header;
    for (const FieldDef& field : fields)
        header << field.name;
    out << header.join(u',') << "\n";
    for (table.first(); !table.eof(); table.next()) {
        QStringList cells;
        for (int f = 0; f < fields.size(); ++f)
            cells << (fields[f].type == FieldType::Float ? csvAmount(table.value(f).toDouble())
                                                         : table.value(f).toString());
        out << cells.join(u',') << "\n";
    }
    return 0;
}
