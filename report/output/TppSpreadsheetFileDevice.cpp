#include "TppSpreadsheetFileDevice.h"

#include "ClassBuilder.h"
#include "PropertyInfo.h"
#include "TppComponent.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppTextFileDevice.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QSaveFile>
#include <optional>
#include <utility>
#include <xlsxwriter.h>

namespace {

// A workbook's sheet holds at most this many rows; later records would be lost.
constexpr int kMaxRows = 1048576;

bool isNumber(TppDataType type) {
    switch (type) {
    case dtInteger:
    case dtSingle:
    case dtDouble:
    case dtExtended:
    case dtCurrency:
    case dtLongint:
    case dtLargeInt:
        return true;
    default:
        return false;
    }
}

// The display format of the text's component, read through the class
// registry: the draw command keeps only the text it made.
QString displayFormatOf(const TppDrawText& item) {
    const TppComponent* component = item.SourceComponent();
    const PropertyInfo* format =
        component ? component->classInfo().property(QStringLiteral("DisplayFormat")) : nullptr;
    return format && format->get ? format->get(*component).toString() : QString();
}

// A date or time picture as Qt reads it and as the workbook shows it, when
// it holds nothing but days (d, dd), months (m, mm), years (yy, yyyy),
// hours (h, hh), minutes (n, nn), seconds (s, ss) and separators; else none.
// The workbook writes minutes as "m" and knows them by the hour beside them.
struct CellPicture {
    QString qt;
    QString workbook;
};

std::optional<CellPicture> cellPicture(const QString& picture) {
    CellPicture cell;
    for (qsizetype i = 0; i < picture.size();) {
        const QChar c = picture[i].toLower();
        qsizetype run = 1;
        while (i + run < picture.size() && picture[i + run].toLower() == c)
            ++run;
        const auto both = [&](QChar qt, QChar workbook) {
            cell.qt += QString(run, qt);
            cell.workbook += QString(run, workbook);
        };
        if (c == u'y' && (run == 2 || run == 4))
            both(u'y', u'y');
        else if (run > 2 && QStringLiteral("dmhns").contains(c))
            return std::nullopt;
        else if (c == u'd' || c == u'h' || c == u's')
            both(c, c);
        else if (c == u'm')
            both(u'M', u'm');
        else if (c == u'n')
            both(u'm', u'm');
        else if (c.isLetterOrNumber() || c == u'\'' || c == u'"')
            return std::nullopt;
        else
            both(picture[i], picture[i]);
        i += run;
    }
    return cell;
}

// The workbook's day number of a date, a time of the day or both, as the
// text shows them by its picture; none when the text does not read back.
std::optional<double> workbookDays(TppDataType type, const QString& text, const QString& qtPicture) {
    const QDateTime read = QDateTime::fromString(text, qtPicture);
    if (!read.isValid())
        return std::nullopt;
    constexpr double msPerDay = 86400000.0;
    const double time = read.time().msecsSinceStartOfDay() / msPerDay;
    if (type == dtTime)
        return time;
    const double days = double(QDate(1899, 12, 30).daysTo(read.date()));
    return type == dtDate ? days : days + time;
}

} // namespace

const ClassInfo& TppSpreadsheetFileDevice::staticClassInfo() {
    static const ClassInfo info = describeClass<TppSpreadsheetFileDevice>(
        "TppSpreadsheetFileDevice", &TppFileDevice::staticClassInfo(), [](auto&) {});
    return info;
}

const FileDeviceTraits& TppSpreadsheetFileDevice::Traits() {
    static const FileDeviceTraits traits{[] { return QStringLiteral("Spreadsheet File"); },
                                         QStringLiteral("xlsx"),
                                         QStringLiteral("Spreadsheet files|*.XLSX|All files|*.*")};
    return traits;
}

TppSpreadsheetFileDevice::TppSpreadsheetFileDevice(OwnedComponent* owner) : TppFileDevice(owner) {}

TppSpreadsheetFileDevice::~TppSpreadsheetFileDevice() {
    markDestroying();
    FinishOnDestroy();
    if (book_) {
        // Never completed: the writer still frees what it holds.
        workbook_close(book_);
        book_ = nullptr;
    }
}

std::unique_ptr<QFileDevice> TppSpreadsheetFileDevice::CreateOutput(const QString& fileName) {
    return std::make_unique<QSaveFile>(fileName);
}

void TppSpreadsheetFileDevice::BeginJob() {
    const bool starting = !InJob() && !FileOpen();
    TppFileDevice::BeginJob();
    if (!starting)
        return;
    // The writer puts the workbook together in a file of its own, which
    // becomes the output's content once the workbook is closed.
    pending_ = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("xls")));
    if (!pending_->open())
        throw EPrintError(QStringLiteral("Unable to open file: %1.").arg(pending_->fileName()));
    pending_->close();
    lxw_workbook_options options{};
    // Rows go to disk as they are finished instead of being kept.
    options.constant_memory = LXW_TRUE;
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    options.tmpdir = const_cast<char*>(tmpdir.constData());
    book_ = workbook_new_opt(QFile::encodeName(pending_->fileName()).constData(), &options);
    sheet_ = book_ ? workbook_add_worksheet(book_, nullptr) : nullptr;
    if (!sheet_)
        throw EPrintError(QStringLiteral("Unable to open file: %1.").arg(FileName()));
    formats_.clear();
    row_ = 0;
    error_ = LXW_NO_ERROR;
}

void TppSpreadsheetFileDevice::DiscardFile() {
    if (book_)
        workbook_close(std::exchange(book_, nullptr));
    sheet_ = nullptr;
    pending_.reset();
    TppFileDevice::DiscardFile();
}

void TppSpreadsheetFileDevice::check(int error) {
    if (error != LXW_NO_ERROR && error_ == LXW_NO_ERROR)
        error_ = error;
}

lxw_format* TppSpreadsheetFileDevice::formatFor(const QString& numberFormat) {
    if (numberFormat.isEmpty())
        return nullptr;
    auto& format = formats_[numberFormat];
    if (!format) {
        format = workbook_add_format(book_);
        format_set_num_format(format, numberFormat.toUtf8().constData());
    }
    return format;
}

void TppSpreadsheetFileDevice::writeCell(int column, const TppDrawText& item) {
    if (item.Text.isEmpty())
        return;
    const QString picture = displayFormatOf(item);
    // A number field's text is a number cell when it reads back as one
    // (grouping commas aside), shown with the text's display format.
    if (isNumber(item.DataType())) {
        bool ok = false;
        const double number = QLocale::c().toDouble(QString(item.Text).remove(u','), &ok);
        if (ok) {
            check(worksheet_write_number(sheet_, row_, column, number, formatFor(picture)));
            return;
        }
    }
    // A date or time whose picture is made of day, month, year, hour,
    // minute and second letters only reads back by that picture; it becomes
    // a date cell showing the same picture.
    if (item.DataType() == dtDate || item.DataType() == dtTime || item.DataType() == dtDateTime) {
        const std::optional<CellPicture> cell = picture.isEmpty() ? std::nullopt : cellPicture(picture);
        if (const auto days = cell ? workbookDays(item.DataType(), item.Text, cell->qt) : std::nullopt) {
            check(worksheet_write_number(sheet_, row_, column, *days, formatFor(cell->workbook)));
            return;
        }
    }
    check(worksheet_write_string(sheet_, row_, column, item.Text.toUtf8().constData(), nullptr));
}

void TppSpreadsheetFileDevice::WritePage(TppPage& page) {
    if (!sheet_)
        return;
    const QList<TppDrawText*> items = savedTexts(page);
    for (qsizetype i = 0; i < items.size();) {
        const int record = items[i]->BandSaveNo;
        if (row_ >= kMaxRows)
            throw EWriteError(
                QStringLiteral("The workbook's sheet holds no more than %1 rows.").arg(kMaxRows));
        for (int column = 0; i < items.size() && items[i]->BandSaveNo == record; ++i, ++column)
            writeCell(column, *items[i]);
        ++row_;
    }
    if (error_ != LXW_NO_ERROR)
        throw EWriteError(
            QStringLiteral("Stream write error: %1").arg(QString::fromUtf8(lxw_strerror(lxw_error(error_)))));
}

void TppSpreadsheetFileDevice::CompleteFile() {
    closeWorkbook();
}

void TppSpreadsheetFileDevice::closeWorkbook() {
    if (!book_)
        return;
    const lxw_error closed = workbook_close(std::exchange(book_, nullptr));
    sheet_ = nullptr;
    if (closed != LXW_NO_ERROR)
        throw EWriteError(
            QStringLiteral("Stream write error: %1").arg(QString::fromUtf8(lxw_strerror(closed))));
    QFile workbook(pending_->fileName());
    if (!workbook.open(QIODevice::ReadOnly))
        throw EWriteError(QStringLiteral("Stream write error"));
    while (!workbook.atEnd())
        Write(workbook.read(1 << 16));
    pending_.reset();
}
