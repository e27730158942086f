#include "AmortizationLayout.h"

#include "DrawingTypes.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppLine.h"
#include "TppReport.h"

namespace {

// Lengths in thousandths of a millimetre on Letter paper with 6350 margins:
// 203200 of printable width. Texts in Arial 10 stand in boxes 15 screen
// pixels high.
constexpr int kTextHeight = 3969;
constexpr int kFullWidth = 203200;

struct Box {
    int left, top, width, height;
};

// The detail's columns; the captions stand above them.
constexpr Box kDateColumn{3704, 1058, 17727, kTextHeight};
constexpr int kAmountWidth = 30000;
constexpr int kAmountLefts[] = {28000, 64000, 100000, 136000, 172000};

TppFont arial(int size, unsigned style = 0) {
    TppFont font;
    font.name = QStringLiteral("Arial");
    font.size = size;
    font.style = style;
    font.color = clBlack;
    return font;
}

// Everything of a report's layout is owned where a template puts it.
OwnedComponent* ownerOf(TppReport& report) {
    return report.Owner() ? report.Owner() : &report;
}

template <class Band> Band* addBand(TppReport& report, const char* name, int height) {
    auto* band = new Band(ownerOf(report));
    band->SetName(QLatin1String(name));
    band->SetReport(&report);
    band->SetmmHeight(height);
    return band;
}

// The box is set last: a caption or a font set after it would fit the box
// to the text as this machine measures it, and the layout must not depend
// on that.
template <class Component>
void place(Component* component, TppBand* band, const QString& name, const Box& box) {
    component->SetName(name);
    component->SetUserName(name.mid(2));
    component->SetBand(band);
    component->SetBounds(box.left, box.top, box.width, box.height);
}

class HeaderBuilder {
public:
    HeaderBuilder(TppReport& report, TppBand* band) : report_(report), band_(band) {}

    void label(const QString& caption, const Box& box, TAlignment alignment = taLeftJustify,
               const TppFont& font = arial(10)) {
        namedLabel(QStringLiteral("ppLabel%1").arg(++labels_), caption, box, alignment, font, true);
    }

    // A label the application writes a figure into before printing: a fixed
    // box the figure is right-justified in.
    void valueLabel(const char* name, const Box& box) {
        namedLabel(QLatin1String(name), QString(), box, taRightJustify, arial(10), false);
    }

private:
    void namedLabel(const QString& name, const QString& caption, const Box& box, TAlignment alignment,
                    const TppFont& font, bool autoSize) {
        auto* label = new TppLabel(ownerOf(report_));
        label->SetAutoSize(autoSize);
        label->SetFont(font);
        label->SetCaption(caption);
        label->SetAlignment(alignment);
        label->SetTransparent(true);
        place(label, band_, name, box);
    }

    TppReport& report_;
    TppBand* band_;
    int labels_ = 0;
};

void addRule(TppReport& report, TppBand* band, const char* name, int top) {
    auto* line = new TppLine(ownerOf(report));
    line->SetWeight(0.75f);
    place(line, band, QLatin1String(name), {0, top, kFullWidth, 794});
}

void buildHeader(TppReport& report) {
    auto* band = addBand<TppHeaderBand>(report, "ppHeaderBand1", 52652);
    HeaderBuilder header(report, band);

    // Column captions; two-line ones stand one line higher.
    constexpr int captionTop = 47361;
    constexpr int upperTop = captionTop - kTextHeight;
    header.label(QStringLiteral("Month/Year"),
                 {kDateColumn.left, captionTop, kDateColumn.width, kTextHeight});
    const auto amountCaption = [&](int column, const char* upper, const char* lower) {
        const Box lowerBox{kAmountLefts[column], captionTop, kAmountWidth, kTextHeight};
        if (upper)
            header.label(QLatin1String(upper), {lowerBox.left, upperTop, kAmountWidth, kTextHeight},
                         taRightJustify);
        header.label(QLatin1String(lower), lowerBox, taRightJustify);
    };
    amountCaption(0, nullptr, "Payment");
    amountCaption(1, "Principal", "Paid");
    amountCaption(2, "Interest", "Paid");
    amountCaption(3, "Total", "Interest");
    amountCaption(4, nullptr, "Balance");

    header.label(QStringLiteral("[HEADER]"), {0, 1588, kFullWidth, 5821}, taCenter,
                 arial(14, TppFont::fsBold));

    // The loan's figures in two columns of three: captions, then values.
    struct Figure {
        const char* caption;
        const char* valueLabel;
    };
    constexpr Figure figures[] = {
        {"Loan Amount", "pplblAutoLoanAmt"},
        {"Loan Term", "pplblLoanTerm"},
        {"Interest Rate", "pplblInterestRate"},
        {"Monthly Payment", "pplblMonthPay"},
        {"Total Interest to be Paid", "pplblTotInterest"},
        {"Total Payment", "pplblTotPay"},
    };
    constexpr int rowTops[] = {12700, 18521, 24342};
    constexpr int captionLefts[] = {3704, 105833};
    constexpr int valueLefts[] = {49742, 157163};
    constexpr int captionWidth = 44979;
    constexpr int valueWidth = 40000;
    for (int i = 0; i < 6; ++i)
        header.label(QLatin1String(figures[i].caption),
                     {captionLefts[i / 3], rowTops[i % 3], captionWidth, kTextHeight});
    for (int i = 0; i < 6; ++i)
        header.valueLabel(figures[i].valueLabel,
                          {valueLefts[i / 3], rowTops[i % 3], valueWidth, kTextHeight});

    addRule(report, band, "ppLine1", 51594);
}

void buildDetail(TppReport& report, TppDataPipeline& pipeline) {
    auto* band = addBand<TppDetailBand>(report, "ppDetailBand1", 6350);
    const auto addText = [&](int number, const char* field, const Box& box, bool amount) {
        auto* text = new TppDBText(ownerOf(report));
        text->SetFont(arial(10));
        text->SetDataPipeline(&pipeline);
        text->SetDataField(QLatin1String(field));
        if (amount) {
            text->SetAlignment(taRightJustify);
            text->SetDisplayFormat(QStringLiteral("#,0.00"));
        }
        text->SetTransparent(true);
        place(text, band, QStringLiteral("ppDBText%1").arg(number), box);
    };
    addText(1, "DATE", kDateColumn, false);
    const char* amounts[] = {"PAYMENT", "PRINCIPAL_PAID", "INTEREST_PAID", "TOTAL_INTEREST", "BALANCE"};
    for (int i = 0; i < 5; ++i)
        addText(i + 2, amounts[i], {kAmountLefts[i], kDateColumn.top, kAmountWidth, kTextHeight}, true);
    addRule(report, band, "ppLine2", 5556);
}

void addYearGroup(TppReport& report, TppDataPipeline& pipeline) {
    auto* group = new TppGroup(ownerOf(report));
    group->SetName(QStringLiteral("ppGroup1"));
    group->SetReport(&report);
    group->SetDataPipeline(&pipeline);
    group->SetBreakName(QStringLiteral("DATE"));
    group->CreateBands();
    group->HeaderBand()->SetName(QStringLiteral("ppGroupHeaderBand1"));
    group->FooterBand()->SetName(QStringLiteral("ppGroupFooterBand1"));
    group->HeaderBand()->SetmmHeight(0);
    group->FooterBand()->SetmmHeight(0);
}

} // namespace

void breakDateGroupsByYear(TppReport& report) {
    for (TppGroup* group : report.Groups()) {
        if (group->BreakType() != btDataField ||
            group->BreakName().compare(QLatin1String("DATE"), Qt::CaseInsensitive))
            continue;
        group->OnGetBreakValue.handler = [](TppCommunicator*, QString& value) {
            value = value.section(u'/', -1);
        };
    }
}

void buildAmortizationLayout(TppReport& report, TppDataPipeline& pipeline) {
    report.SetAutoStop(false);
    report.SetDataPipeline(&pipeline);
    report.SetDeviceType(QStringLiteral("Screen"));
    // The schedule is something people keep and send: the preview's print
    // dialog offers PDF, text, workbook and archive files beside the printer.
    report.SetAllowPrintToFile(true);
    report.SetAllowPrintToArchive(true);

    TppPrinterSetup& setup = report.PrinterSetup();
    setup.SetPrinterName(QStringLiteral("Default"));
    setup.SetBinName(QStringLiteral("Default"));
    setup.SetDocumentName(QStringLiteral("Report"));
    setup.SetPaperName(QStringLiteral("Letter"));
    setup.SetmmPaperWidth(215900);
    setup.SetmmPaperHeight(279401);
    // Letter is paper code 1. As in a template read, the code names the paper
    // the way the printer's list does, where the printer has the code.
    setup.SetPaperSize(1);
    for (int TppPageDef::*margin : {&TppPageDef::mmMarginTop, &TppPageDef::mmMarginBottom,
                                    &TppPageDef::mmMarginLeft, &TppPageDef::mmMarginRight})
        setup.SetmmMargin(margin, 6350);

    report.PreviewFormSettings().SetWindowState(wsMaximized);
    report.PreviewFormSettings().SetZoomSetting(zsPageWidth);

    buildHeader(report);
    buildDetail(report, pipeline);
    addBand<TppFooterBand>(report, "ppFooterBand1", 13229);
    addYearGroup(report, pipeline);
    breakDateGroupsByYear(report);
}
