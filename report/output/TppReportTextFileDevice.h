#pragma once

#include "TppFileDevice.h"
#include "TppTypes.h"

#include <memory>

class TextMeasurer;
class TppFont;

// A plain-text image of each page: every text is placed on a grid of
// fixed-pitch cells, so a page becomes exactly LinesPerPage lines (empty
// ones included) that look like the printed page. Pages follow each other
// without a form feed; a page without texts adds no lines.
class TppReportTextFileDevice : public TppFileDevice {
public:
    PW_CLASS_INFO

    explicit TppReportTextFileDevice(OwnedComponent* owner = nullptr);
    ~TppReportTextFileDevice() override;

    QString DeviceName() const override { return QStringLiteral("ReportTextFile"); }
    static const FileDeviceTraits& Traits();

    // The cell is the size of "0" in the fixed-pitch grid font, and the
    // line and page lengths follow from the paper; otherwise the cell
    // follows from the paper and CharactersPerLine and LinesPerPage.
    bool GridFromFont = true;
    // The grid font's size follows the page's first text; else GridFontSize.
    bool GridFontFromText = true;
    int CharactersPerLine = 80;
    int LinesPerPage = 66;
    int GridFontSize = 12;

    // Fonts are measured at the screen's resolution; Qt's font metrics
    // unless another measurer is given.
    void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) { measurer_ = std::move(measurer); }

    // The cell of the last page written, in thousandths of a millimetre.
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }

protected:
    void WritePage(TppPage& page) override;

private:
    // A text, or one wrapped line of it, where it lands on the page.
    struct Item {
        QString text;
        int left = 0;
        int top = 0;
        int width = 0;
        bool autoSize = false;
        TppTextAlignment alignment = taLeftJustified;
        const TppFont* font = nullptr;
    };
    std::vector<Item> itemsOf(const TppPage& page) const;
    void measureGrid(const TppPage& page, const TppFont& firstFont);
    const TextMeasurer& measurer() const;

    std::shared_ptr<const TextMeasurer> measurer_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};
