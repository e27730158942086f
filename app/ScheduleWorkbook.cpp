#include "ScheduleWorkbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <xlsxwriter.h>

namespace {

constexpr int kColumns = 6;
constexpr int kTitleRow = 4;     // row 5 as the user counts
constexpr int kFirstDataRow = 5; // row 6
constexpr double kColumnWidth = 15;
const char* const kAmountFormat = "#,0.000";
const char* const kTitles[kColumns] = {"DATE",          "PAYMENT",        "PRINCIPAL PAID",
                                       "INTEREST PAID", "TOTAL INTEREST", "BALANCE"};
const QString kFields[kColumns] = {QStringLiteral("DATE"),           QStringLiteral("PAYMENT"),
                                   QStringLiteral("PRINCIPAL_PAID"), QStringLiteral("INTEREST_PAID"),
                                   QStringLiteral("TOTAL_INTEREST"), QStringLiteral("BALANCE")};

// The writer's calls answer an error code; the first one that fails ends the
// sheet, and the workbook is then still closed to free what it holds.
class SheetWriter {
public:
    explicit SheetWriter(lxw_workbook* book) : book_(book), sheet_(workbook_add_worksheet(book, nullptr)) {}

    void check(lxw_error error) {
        if (error_ == LXW_NO_ERROR)
            error_ = error;
    }
    lxw_worksheet* sheet() const { return sheet_; }
    lxw_error error() const { return sheet_ ? error_ : LXW_ERROR_MEMORY_MALLOC_FAILED; }

    lxw_format* format(bool heading, bool amount) {
        lxw_format* f = workbook_add_format(book_);
        if (heading) {
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
        }
        if (amount)
            format_set_num_format(f, kAmountFormat);
        return f;
    }

private:
    lxw_workbook* book_;
    lxw_worksheet* sheet_;
    lxw_error error_ = LXW_NO_ERROR;
};

lxw_error writeSheet(lxw_workbook* book, const Dataset& schedule) {
    SheetWriter writer(book);
    if (!writer.sheet())
        return writer.error();
    lxw_worksheet* sheet = writer.sheet();
    lxw_format* heading = writer.format(true, false);
    // The amount columns carry their number format on every row, the
    // heading rows included, as a format given to whole columns would.
    lxw_format* headingAmount = writer.format(true, true);
    lxw_format* amount = writer.format(false, true);

    writer.check(worksheet_set_column(sheet, 0, 0, kColumnWidth, nullptr));
    writer.check(worksheet_set_column(sheet, 1, kColumns - 1, kColumnWidth, amount));
    writer.check(worksheet_merge_range(sheet, 0, 0, 0, kColumns - 1, "[HEADER HERE]", heading));
    for (int row = 0; row <= kTitleRow; ++row)
        for (int col = 0; col < kColumns; ++col) {
            lxw_format* f = col == 0 ? heading : headingAmount;
            if (row == kTitleRow)
                writer.check(worksheet_write_string(sheet, row, col, kTitles[col], f));
            else if (row > 0 || col > 0)
                writer.check(worksheet_write_blank(sheet, row, col, f));
        }

    int fields[kColumns];
    for (int col = 0; col < kColumns; ++col)
        fields[col] = schedule.fieldIndex(kFields[col]);
    for (int record = 0; record < schedule.recordCount(); ++record) {
        const lxw_row_t row = kFirstDataRow + record;
        // The month stays text ("04/2024"); a spreadsheet would otherwise read it as a date.
        writer.check(worksheet_write_string(
            sheet, row, 0, schedule.valueAt(record, fields[0]).toString().toUtf8().constData(), nullptr));
        for (int col = 1; col < kColumns; ++col)
            writer.check(worksheet_write_number(sheet, row, col,
                                                schedule.valueAt(record, fields[col]).toDouble(), amount));
    }
    return writer.error();
}

QString writerError(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

// A complete workbook in a hidden file of `folder`, removed again unless
// kept: what both exports write before the file takes its name.
class PendingWorkbook {
public:
    PendingWorkbook(const QString& folder, const QString& baseName) {
        if (!QDir().mkpath(folder)) {
            error_ = QStringLiteral("the folder cannot be made");
            return;
        }
        QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(baseName)));
        file.setAutoRemove(false);
        if (!file.open()) {
            error_ = file.errorString();
            return;
        }
        path_ = file.fileName();
    }
    ~PendingWorkbook() {
        if (!path_.isEmpty() && !kept_)
            QFile::remove(path_);
    }
    PendingWorkbook(const PendingWorkbook&) = delete;
    PendingWorkbook& operator=(const PendingWorkbook&) = delete;

    // Empty when the workbook is complete.
    QString write(const Dataset& schedule) {
        if (!error_.isEmpty())
            return error_;
        lxw_workbook* book = workbook_new(QFile::encodeName(path_).constData());
        if (!book)
            return writerError(LXW_ERROR_MEMORY_MALLOC_FAILED);
        const lxw_error sheetError = writeSheet(book, schedule);
        const lxw_error closeError = workbook_close(book);
        if (sheetError != LXW_NO_ERROR)
            return writerError(sheetError);
        if (closeError != LXW_NO_ERROR)
            return writerError(closeError);
        return {};
    }
    const QString& path() const { return path_; }
    void keep() { kept_ = true; }

private:
    QString path_;
    QString error_;
    bool kept_ = false;
};

} // namespace

WorkbookOutcome writeScheduleWorkbook(const Dataset& schedule, const QString& path) {
    const QFileInfo target(path);
    PendingWorkbook pending(target.absolutePath(), target.fileName());
    if (QString error = pending.write(schedule); !error.isEmpty())
        return {path, error};
    // rename() replaces the old file in one step, so readers see the old workbook or the new one.
    if (std::rename(QFile::encodeName(pending.path()).constData(), QFile::encodeName(path).constData()) != 0)
        return {path, QString::fromLocal8Bit(std::strerror(errno))};
    pending.keep();
    return {path, {}};
}

WorkbookOutcome writeNewScheduleWorkbook(const Dataset& schedule, const QString& folder,
                                         const QString& baseName) {
    constexpr int kMaxNumber = 1000;
    PendingWorkbook pending(folder, baseName);
    const QString candidate = QDir(folder).filePath(baseName + QStringLiteral(".xlsx"));
    if (QString error = pending.write(schedule); !error.isEmpty())
        return {candidate, error};
    // QFile::rename never replaces an existing file, so a name taken in the
    // meantime moves the workbook on to the next number instead.
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QString path =
            number == 1 ? candidate
                        : QDir(folder).filePath(QStringLiteral("%1 (%2).xlsx").arg(baseName).arg(number));
        if (QFile::exists(path))
            continue;
        if (QFile::rename(pending.path(), path)) {
            pending.keep();
            return {path, {}};
        }
    }
    return {candidate,
            QStringLiteral("every name up to \"%1 (%2).xlsx\" is taken").arg(baseName).arg(kMaxNumber)};
}

QString loanWorkbookName(const LoanInputs& loan) {
    const std::optional<qint32> term = readIntInput(loan.term);
    const qint64 months = term ? qint64(*term) * (loan.termTypeIndex == 1 ? 12 : 1) : 0;
    QString name = QStringLiteral("Loan %1 over %2 months at %3%")
                       .arg(loan.loanAmount.trimmed())
                       .arg(months)
                       .arg(loan.interest.trimmed());
    static const QRegularExpression unfit(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])"));
    return name.replace(unfit, QStringLiteral("_"));
}

QString workbookNotWritten(const WorkbookOutcome& outcome) {
    return QStringLiteral("ADVISORY : Unable to write the workbook %1: %2").arg(outcome.path, outcome.error);
}

QString workbookNotOpened(const QString& path) {
    return QStringLiteral("ADVISORY : The workbook %1 was written, but no program opened it.").arg(path);
}
