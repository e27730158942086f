#include "PagewrightErrors.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppTextFileDevice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A saved text of one band instance (record) at a SaveOrder.
struct Value {
    int record;
    int order;
    QString text;
    int saveLength = 0;
    TppTextAlignment alignment = taLeftJustified;
};

struct PageOfValues {
    bool last = true;
    std::vector<Value> values;
};

// Pages numbered from 1 as the engine hands them out: final, the last one
// marked, the values' commands in the order given.
std::vector<std::unique_ptr<TppPage>> makePages(const std::vector<PageOfValues>& contents) {
    std::vector<std::unique_ptr<TppPage>> pages;
    for (const PageOfValues& content : contents) {
        auto page = std::make_unique<TppPage>();
        page->Final = true;
        page->AbsolutePageNo = int(pages.size()) + 1;
        page->LastPage = content.last;
        for (const Value& value : content.values) {
            auto* text = new TppDrawText(page.get());
            text->Text = value.text;
            text->BandSave = text->ComponentSave = true;
            text->BandSaveNo = value.record;
            text->ComponentSaveNo = value.order;
            text->SaveLength = value.saveLength;
            text->SetTextAlignment(value.alignment);
            page->AddDrawCommand(text);
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// Runs one job over the pages and answers what the file holds.
QByteArray exported(TppTextFileDevice& device, const std::vector<std::unique_ptr<TppPage>>& pages) {
    QTemporaryDir folder;
    device.SetFileName(folder.filePath("out.txt"));
    device.BeginJob();
    for (const auto& page : pages)
        device.AcceptPage(*page);
    device.FinishJob();
    return readFile(device.FileName());
}

QByteArray exported(TppFileType type, const std::vector<PageOfValues>& contents) {
    TppTextFileDevice device;
    device.SetTextFileType(type);
    return exported(device, makePages(contents));
}

struct FileCase {
    const char* name;
    TppFileType type;
    std::vector<PageOfValues> pages;
    QByteArray expected;
};

class TextFileTypes : public testing::TestWithParam<FileCase> {};

TEST_P(TextFileTypes, WriteTheRecordsOfTheSavedTexts) {
    EXPECT_EQ(exported(GetParam().type, GetParam().pages), GetParam().expected);
}

const FileCase fileCases[] = {
    // A comma or a blank encloses the value; the last record of the report
    // has no line end.
    {"comma_encloses_commas_and_blanks",
     ftComma,
     {{true, {{1, 0, "Smith, John"}, {1, 1, "12"}, {1, 2, "New York"}}}},
     "\"Smith, John\",12,\"New York\""},
    // Inside quotes a quote is doubled so the value ends where it should; a
    // bare value keeps its quote as it is.
    {"comma_doubles_quotes_only_in_enclosed_values",
     ftComma,
     {{true, {{1, 0, "say \"hi\""}, {1, 1, "5\"x"}, {1, 2, ""}}}},
     "\"say \"\"hi\"\"\",5\"x,"},
    {"tab_joins_never_quotes_and_keeps_empty_values",
     ftTab,
     {{true, {{1, 0, "a b"}, {1, 1, ""}, {1, 2, "c,d"}}}},
     "a b\t\tc,d"},
    {"fixed_length_cuts_and_pads_by_alignment",
     ftFixedLength,
     {{true,
       {{1, 0, "abcdefg", 5},
        {1, 1, "ab", 5, taRightJustified},
        {1, 2, "ab", 5, taCentered},
        {1, 3, "ab", 5, taFullJustified},
        {1, 4, "gone", 0}}}},
     "abcde   ab ab  ab   "},
    // Records by band instance, values by SaveOrder, as numbers: -1 (never
    // ordered) comes first, 10 after 9; the draw order does not count.
    {"records_and_values_in_number_order",
     ftComma,
     {{true, {{12, 10, "ten"}, {3, 1, "b"}, {12, 9, "nine"}, {3, -1, "a"}}}},
     "a,b\r\nnine,ten"},
    // A page that is not the last ends its last record with a line end; a
    // page without saved texts adds nothing.
    {"records_across_pages",
     ftComma,
     {{false, {{1, 0, "one"}, {2, 0, "two"}}}, {false, {}}, {true, {{3, 0, "three"}}}},
     "one\r\ntwo\r\nthree"},
    {"custom_without_handler_runs_everything_together",
     ftCustom,
     {{false, {{1, 0, "a"}, {1, 1, "b"}, {2, 0, "c"}}}, {true, {{3, 0, "d"}}}},
     "abcd"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TextFileTypes, testing::ValuesIn(fileCases),
                         [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

// A custom layout built only from the state fields the handler reads.
TEST(TextFileDevice, ACustomHandlerBuildsItsLayoutFromTheStateFields) {
    TppTextFileDevice device;
    device.SetTextFileType(ftCustom);
    QStringList seen;
    device.OnSaveText = [&](TppTextFileDevice* sender, TppComponent*, QString& text) {
        seen << QStringLiteral("%1/%2").arg(sender->RecordIndex()).arg(sender->ValueIndex());
        QString framed = sender->FirstValueOfRecord() ? "[" + text : "|" + text;
        if (sender->LastValueOfRecord())
            framed += "]";
        if (sender->FirstValueOfPage())
            framed.prepend(sender->FirstRecordOfReport() ? "<report>" : "<page>");
        if (sender->LastRecordOfPage())
            framed += sender->LastRecordOfReport() ? "</report>" : "</page>";
        text = framed;
    };
    const QByteArray file = exported(device, makePages({{false, {{1, 0, "a"}, {1, 1, "b"}, {2, 0, "c"}}},
                                                        {true, {{3, 0, "d"}, {3, 1, "e"}}}}));
    EXPECT_EQ(file, "<report>[a|b][c]</page><page>[d|e]</report>");
    EXPECT_EQ(seen, QStringList({"0/0", "0/1", "1/0", "2/0", "2/1"}));
    EXPECT_EQ(device.RecordIndex(), 0) << "the state is cleared at the end of the job";
}

TEST(TextFileDevice, TextsNotSavedOnBothSidesAreLeftOut) {
    auto pages = makePages({{true, {{1, 0, "kept"}}}});
    for (const auto& [band, component] : {std::pair(true, false), std::pair(false, true)}) {
        auto* text = new TppDrawText(pages[0].get());
        text->Text = QStringLiteral("left out");
        text->BandSave = band;
        text->ComponentSave = component;
        pages[0]->AddDrawCommand(text);
    }
    TppTextFileDevice device;
    EXPECT_EQ(exported(device, pages), "kept");
}

TEST(TextFileDevice, AFileThatCannotBeCreatedStopsTheJobWithItsName) {
    QTemporaryDir folder;
    TppTextFileDevice device;
    const QString path = folder.filePath("missing/out.txt");
    device.SetFileName(path);
    try {
        device.BeginJob();
        FAIL() << "the job started";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Unable to open file: %1.").arg(path));
    }
    EXPECT_FALSE(device.InJob());
}

TEST(TextFileDevice, ACancelledJobKeepsWhatWasWrittenWhenTheDeviceGoes) {
    QTemporaryDir folder;
    const QString path = folder.filePath("out.txt");
    {
        TppTextFileDevice device;
        device.SetFileName(path);
        device.BeginJob();
        const auto pages = makePages({{false, {{1, 0, "first"}}}});
        device.AcceptPage(*pages[0]);
        device.AbortJob();
        device.SetFileName(folder.filePath("other.txt"));
        EXPECT_EQ(device.FileName(), path) << "the file name is not changed while the file is open";
    }
    EXPECT_EQ(readFile(path), "first\r\n");
}

} // namespace
