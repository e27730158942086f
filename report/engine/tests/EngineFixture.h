#pragma once

#include "DataSource.h"
#include "FixedClock.h"
#include "MemoryTable.h"
#include "PageDump.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDevice.h"
#include "TppDrawText.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppLabel.h"
#include "TppPage.h"
#include "TppPublisher.h"
#include "TppReport.h"

#include <gtest/gtest.h>
#include <memory>

// Keeps a copy of every page it is sent to output.
class PageCollector : public TppDevice {
public:
    using TppDevice::TppDevice;
    void AcceptPage(TppPage& page) override {
        TppDevice::AcceptPage(page);
        if (!ShouldOutput())
            return;
        auto copy = std::make_shared<TppPage>();
        copy->Assign(page);
        pages.append(copy);
    }
    QList<std::shared_ptr<TppPage>> pages;
};

// A report built in code over an in-memory table with the fields N (the
// record's number from 1) and G (a group key), on a 100000 x 100000 page
// with margins of 10000; its pages go to a collecting device.
class EngineFixture : public testing::Test {
protected:
    EngineFixture() {
        TppPrinterSetup& setup = report->PrinterSetup();
        setup.SetmmPaperWidth(100000);
        setup.SetmmPaperHeight(100000);
        for (int TppPageDef::*margin : {&TppPageDef::mmMarginLeft, &TppPageDef::mmMarginTop,
                                        &TppPageDef::mmMarginRight, &TppPageDef::mmMarginBottom})
            setup.SetmmMargin(margin, 10000);
        table.setFieldDefs({{"N", FieldType::Integer, 0, 0}, {"G", FieldType::String, 20, 0}});
        table.open();
        pipeline->SetDataSource(source);
        report->SetDataPipeline(pipeline);
        report->SetClock(&clock);
        report->MessagePump = [this] { ++pumps; };
        // The pages' outline shows what was generated so far, so a page made
        // again differs in it; these tests look at what pages draw, and the
        // outline's own tests turn it on.
        report->OutlineSettings().SetEnabled(false);
        device.SetPublisher(&report->Publisher());
    }

    // Records numbered 1..count; `groups` gives each record's G, else "".
    void fill(int count, const QStringList& groups = {}) {
        for (int n = 1; n <= count; ++n) {
            table.append();
            table.setValue(0, n);
            table.setValue(1, groups.value(n - 1));
            table.post();
        }
        table.first();
    }

    template <class Band> Band* addBand(int height) {
        auto* band = new Band(&form);
        band->SetReport(report);
        band->SetmmHeight(height);
        return band;
    }

    // A text of the record number across the band's top.
    TppDBText* addNumber(TppBand* band, int top = 0, const QString& field = QStringLiteral("N")) {
        auto* text = new TppDBText(&form);
        text->SetBand(band);
        text->SetDataPipeline(pipeline);
        text->SetDataField(field);
        text->SetBounds(0, top, 20000, 5000);
        return text;
    }

    TppLabel* addLabel(TppBand* band, const QString& caption, int top = 0) {
        auto* label = new TppLabel(&form);
        label->SetBand(band);
        label->SetCaption(caption);
        label->SetBounds(30000, top, 20000, 5000);
        return label;
    }

    // A group on G with a header and a footer of `height`, each showing N.
    TppGroup* addGroup(int height) {
        auto* group = new TppGroup(&form);
        group->SetReport(report);
        group->SetDataPipeline(pipeline);
        group->SetBreakName(QStringLiteral("G"));
        group->CreateBands();
        group->HeaderBand()->SetmmHeight(height);
        group->FooterBand()->SetmmHeight(height);
        addNumber(group->HeaderBand());
        addNumber(group->FooterBand());
        return group;
    }

    // Runs a job for the request; the pages output, in order.
    QList<std::shared_ptr<TppPage>> print(TppPageSettingType setting = psAll, int page = 1,
                                          const QStringList& list = {}) {
        TppPageRequest request;
        request.PageSetting = setting;
        request.PageRequested = page;
        request.PageList = list;
        device.SetPageRequest(request);
        device.pages.clear();
        report->RunPrintJob();
        return device.pages;
    }

    // Each text command as "<band><top>:<text>", the band by its kind
    // (H header, D detail, F footer, T title, S summary, GH/GF group band
    // and its group, CH/CF column bands, PS page style), in drawing order.
    static QStringList texts(const TppPage& page) {
        QStringList result;
        for (int index = 0; index < page.DrawCommandCount(); ++index) {
            const auto* text = dynamic_cast<const TppDrawText*>(page.DrawCommand(index));
            if (!text)
                continue;
            result << QStringLiteral("%1@%2:%3")
                          .arg(bandName(text->SourceBand()))
                          .arg(text->Top())
                          .arg(text->Text);
        }
        return result;
    }

    static QString bandName(const TppBand* band) {
        if (!band)
            return QStringLiteral("?");
        static const char* const names[] = {"H", "T", "CH", "GH", "D", "GF", "CF", "S", "F", "PS"};
        QString name = QString::fromLatin1(names[band->BandTypeCode()]);
        if (band->GroupIndex() >= 0)
            name += QString::number(band->GroupIndex());
        return name;
    }

    OwnedComponent form;
    TppReport* report = new TppReport(&form);
    MemoryTable table;
    DataSource* source = new DataSource(&form, &table);
    TppDBPipeline* pipeline = new TppDBPipeline(&form);
    FixedClock clock{QDateTime(QDate(2024, 3, 15), QTime(9, 30))};
    int pumps = 0;
    PageCollector device;
};
