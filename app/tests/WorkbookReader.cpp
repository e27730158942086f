#include "WorkbookReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

QJsonObject readWorkbook(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral(KESTREL_PYTHON), {QStringLiteral(KESTREL_WORKBOOK_READER), path});
    const bool done = reader.waitForFinished(60000);
    EXPECT_TRUE(done && reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0)
        << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

namespace {

// The worked example, as the schedule holds it.
const char* const kRows[12][6] = {
    {"04/2024", "860.664", "810.664", "50.000", "50.000", "9189.336"},
    {"05/2024", "860.664", "814.717", "45.947", "95.947", "8374.619"},
    {"06/2024", "860.664", "818.791", "41.873", "137.820", "7555.828"},
    {"07/2024", "860.664", "822.885", "37.779", "175.599", "6732.943"},
    {"08/2024", "860.664", "826.999", "33.665", "209.264", "5905.944"},
    {"09/2024", "860.664", "831.134", "29.530", "238.794", "5074.810"},
    {"10/2024", "860.664", "835.290", "25.374", "264.168", "4239.520"},
    {"11/2024", "860.664", "839.466", "21.198", "285.366", "3400.054"},
    {"12/2024", "860.664", "843.664", "17.000", "302.366", "2556.390"},
    {"01/2025", "860.664", "847.882", "12.782", "315.148", "1708.508"},
    {"02/2025", "860.664", "852.121", "8.543", "323.691", "856.387"},
    {"03/2025", "856.387", "852.105", "4.282", "327.973", "0.000"},
};
const char* const kTitles[6] = {"DATE",          "PAYMENT",        "PRINCIPAL PAID",
                                "INTEREST PAID", "TOTAL INTEREST", "BALANCE"};

} // namespace

void expectWorkedExampleWorkbook(const QString& path) {
    const QJsonObject book = readWorkbook(path);
    ASSERT_FALSE(book.isEmpty());
    EXPECT_EQ(book["sheets"].toArray().size(), 1);
    EXPECT_EQ(book["merged"].toArray(), QJsonArray{QStringLiteral("A1:F1")});
    EXPECT_EQ(book["maxRow"].toInt(), 17) << "five heading rows and twelve months";
    EXPECT_EQ(book["maxColumn"].toInt(), 6);
    const QJsonObject widths = book["widths"].toObject();
    for (const char* column : {"A", "B", "C", "D", "E", "F"}) {
        // Stored with the cell padding of the format, so 15 characters read as a little more.
        const double width = widths[QLatin1String(column)].toDouble();
        EXPECT_TRUE(width >= 15 && width < 16) << column << " is " << width << " wide";
    }
    static const QRegularExpression reference(QStringLiteral("^([A-Z])(\\d+)$"));
    for (const auto& value : book["cells"].toArray()) {
        const QJsonObject cell = value.toObject();
        const QString ref = cell["ref"].toString();
        const QRegularExpressionMatch match = reference.match(ref);
        ASSERT_TRUE(match.hasMatch()) << ref.toStdString();
        const int column = match.captured(1).at(0).unicode() - 'A';
        const int row = match.captured(2).toInt();
        const bool heading = row <= 5;
        const std::string at = ref.toStdString();
        if (cell["covered"].toBool()) {
            EXPECT_TRUE(row == 1 && column > 0) << at << " is covered, but only B1:F1 are";
            continue;
        }
        EXPECT_EQ(cell["bold"].toBool(), heading) << at;
        EXPECT_EQ(cell["align"].toString(), heading ? QStringLiteral("center") : QString()) << at;
        EXPECT_EQ(cell["format"].toString(),
                  column == 0 ? QStringLiteral("General") : QStringLiteral("#,0.000"))
            << at;
        const QJsonValue content = cell["value"];
        if (row == 1 && column == 0) {
            EXPECT_EQ(content.toString(), "[HEADER HERE]");
        } else if (row < 5) {
            EXPECT_TRUE(content.isNull()) << at << " stays empty";
        } else if (row == 5) {
            EXPECT_EQ(content.toString(), QLatin1String(kTitles[column])) << at;
        } else if (column == 0) {
            EXPECT_EQ(cell["type"].toString(), "s") << at << " is text, not a date";
            EXPECT_EQ(content.toString(), QLatin1String(kRows[row - 6][0])) << at;
        } else {
            EXPECT_EQ(cell["type"].toString(), "n") << at << " is a number";
            EXPECT_NEAR(content.toDouble(), std::atof(kRows[row - 6][column]), 5e-10) << at;
        }
    }
}
