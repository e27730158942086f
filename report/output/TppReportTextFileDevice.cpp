#include "TppReportTextFileDevice.h"

#include "ClassBuilder.h"
#include "PadText.h"
#include "TextMeasurer.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppResourceManager.h"
#include "Units.h"

#include <algorithm>

namespace {

constexpr int kReportEmulationTextFile = 12; // "Report Emulation Text File"

// The fixed-pitch font of the grid. Liberation Mono has the metrics of the
// typewriter face report layouts were drawn against, so cells come out the
// size users know.
TppFont gridFont(int size) {
    TppFont font;
    font.name = QStringLiteral("Liberation Mono");
    font.size = size;
    font.pitch = TppFont::fpFixed;
    return font;
}

int screenPixelsPerInch() {
    return screenResolution().pixelsPerInch(Axis::Vertical);
}

int zeroWidth(const TextMeasurer& measurer, const TppFont& font) {
    return measurer.width(font, screenPixelsPerInch(), QStringLiteral("0"));
}

int zeroHeightMM(const TextMeasurer& measurer, const TppFont& font) {
    return UnitsToMM(float(measurer.metrics(font, screenPixelsPerInch()).height), utScreenPixels,
                     Axis::Vertical);
}

// A thousand columns and lines are beyond the character image of any
// paper; a setting or a paper size past them would make each page billions
// of blanks to write and trim.
constexpr int kMaxGridCells = 1000;

// Division by a grid length that may come out 0 (an empty font, a
// setting of 0) is division by 1, so a page still lands on some grid.
int cellIndex(int position, int cell) {
    return position / std::max(cell, 1);
}

// Trailing blanks and control characters do not show on paper.
QString withoutTrailingBlanks(const QString& line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] <= u' ')
        --end;
    return line.left(end);
}

} // namespace

const ClassInfo& TppReportTextFileDevice::staticClassInfo() {
    static const ClassInfo info = describeClass<TppReportTextFileDevice>(
        "TppReportTextFileDevice", &TppFileDevice::staticClassInfo(), [](auto& c) {
            using T = TppReportTextFileDevice;
            const auto member = [&c](const char* name, auto T::*field, auto fallback) {
                c.property(
                     name, [field](const T& t) { return t.*field; },
                     [field](T& t, decltype(fallback) v) { t.*field = v; })
                    .withDefault(fallback);
            };
            member("CharactersPerLine", &T::CharactersPerLine, 80);
            member("GridFontFromText", &T::GridFontFromText, true);
            member("GridFontSize", &T::GridFontSize, 12);
            member("GridFromFont", &T::GridFromFont, true);
            member("LinesPerPage", &T::LinesPerPage, 66);
        });
    return info;
}

const FileDeviceTraits& TppReportTextFileDevice::Traits() {
    static const FileDeviceTraits traits{[] { return LanguageString(kReportEmulationTextFile); },
                                         QStringLiteral("txt"),
                                         QStringLiteral("Text files|*.TXT|All files|*.*")};
    return traits;
}

TppReportTextFileDevice::TppReportTextFileDevice(OwnedComponent* owner) : TppFileDevice(owner) {}

TppReportTextFileDevice::~TppReportTextFileDevice() {
    markDestroying();
    FinishOnDestroy();
}

const TextMeasurer& TppReportTextFileDevice::measurer() const {
    static const FontMetricsMeasurer fontMetrics;
    return measurer_ ? *measurer_ : fontMetrics;
}

std::vector<TppReportTextFileDevice::Item> TppReportTextFileDevice::itemsOf(const TppPage& page) const {
    std::vector<Item> items;
    for (int i = 0; i < page.DrawCommandCount(); ++i) {
        const auto* text = dynamic_cast<const TppDrawText*>(page.DrawCommand(i));
        if (!text)
            continue;
        Item item{text->Text,     text->Left(),          text->Top(), text->Width(),
                  text->AutoSize, text->TextAlignment(), &text->Font};
        if (text->WrappedText.isEmpty()) {
            items.push_back(item);
            continue;
        }
        const int lineHeight = zeroHeightMM(measurer(), text->Font);
        item.autoSize = false;
        for (qsizetype line = 0; line < text->WrappedText.size(); ++line) {
            item.text = text->WrappedText[line];
            item.top = text->Top() + int(line) * lineHeight;
            items.push_back(item);
        }
    }
    // Top to bottom, then left to right, as numbers: a text above the paper
    // (a negative Top) comes first rather than among the "%8d" texts.
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return std::pair(a.top, a.left) < std::pair(b.top, b.left);
    });
    return items;
}

void TppReportTextFileDevice::measureGrid(const TppPage& page, const TppFont& firstFont) {
    int size = GridFontSize;
    if (GridFontFromText) {
        const int width = zeroWidth(measurer(), firstFont);
        size = zeroWidth(measurer(), gridFont(8)) >= width    ? 8
               : zeroWidth(measurer(), gridFont(10)) >= width ? 10
                                                              : 12;
    }
    const TppPageDef& paper = page.PageDef();
    if (GridFromFont) {
        const TppFont font = gridFont(size);
        cellWidth_ = UnitsToMM(float(zeroWidth(measurer(), font)), utScreenPixels, Axis::Horizontal);
        cellHeight_ = zeroHeightMM(measurer(), font);
        CharactersPerLine = std::min(cellIndex(paper.mmWidth, cellWidth_), kMaxGridCells);
        LinesPerPage = std::min(cellIndex(paper.mmHeight, cellHeight_), kMaxGridCells);
    } else {
        CharactersPerLine = std::min(CharactersPerLine, kMaxGridCells);
        LinesPerPage = std::min(LinesPerPage, kMaxGridCells);
        cellWidth_ = paper.mmWidth / std::max(CharactersPerLine, 1);
        cellHeight_ = paper.mmHeight / std::max(LinesPerPage, 1);
    }
}

void TppReportTextFileDevice::WritePage(TppPage& page) {
    const std::vector<Item> items = itemsOf(page);
    if (items.empty())
        return;
    measureGrid(page, *items.front().font);
    const QString blankLine(std::max(CharactersPerLine, 0), u' ');
    QString line = blankLine;
    int n = 1;
    const auto writeLine = [&] {
        const QString shown = withoutTrailingBlanks(line);
        if (!shown.isEmpty())
            Write(shown.toUtf8());
        if (!(n == LinesPerPage && page.LastPage))
            Write("\r\n");
        ++n;
        line = blankLine;
    };
    for (const Item& item : items) {
        // A text above the first line or left of the first column is
        // placed there, not dropped with everything after it.
        const int itemLine = std::max(cellIndex(item.top, cellHeight_) + 1, 1);
        while (itemLine != n && n <= LinesPerPage)
            writeLine();
        if (n > LinesPerPage)
            break;
        const int column = std::max(cellIndex(item.left, cellWidth_) + 1, 1);
        int width = cellIndex(item.width, cellWidth_) + 1;
        if (item.autoSize && item.text.size() >= width)
            width = int(item.text.size());
        const QString field = PadText(item.text, width, item.alignment);
        if (column - 1 >= line.size())
            line += field;
        else
            line.replace(column - 1, field.size(), field);
    }
    while (n <= LinesPerPage)
        writeLine();
}
