#pragma once

#include "DataSource.h"
#include "DesignerController.h"
#include "EngineClasses.h"
#include "MemoryTable.h"
#include "OwnedComponent.h"
#include "TemplateClasses.h"
#include "TppDBPipeline.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

#include <memory>

// A report as a form holds it: a header of 100 screen pixels with two
// labels, a detail of 40 with one, a footer of 20. Lengths are set in
// pixels converted to thousandths of a millimetre, as the designer does.
struct DesignerFixture {
    static int mm(int pixels, bool vertical = false) { return DesignerController::toMM(pixels, vertical); }
    static int px(int mm, bool vertical = false) { return DesignerController::toPixels(mm, vertical); }

    DesignerFixture() {
        registerEngineClasses();
        registerTemplateClasses();
        form.SetName("Form1");
        report = new TppReport(&form);
        report->SetName("Report1");
        header = addBand<TppHeaderBand>("ppHeaderBand1", 100);
        detail = addBand<TppDetailBand>("ppDetailBand1", 40);
        footer = addBand<TppFooterBand>("ppFooterBand1", 20);
        first = addLabel("ppLabel1", header, 10, 10, 60, 17);
        second = addLabel("ppLabel2", header, 100, 40, 60, 17);
        third = addLabel("ppLabel3", detail, 0, 0, 1, 17);
        report->SetModified(false);
        controller = std::make_unique<DesignerController>(*report);
    }

    template <class Band> Band* addBand(const char* name, int pixels) {
        auto* band = new Band(&form);
        band->SetName(name);
        band->SetReport(report);
        band->SetmmHeight(mm(pixels, true));
        return band;
    }

    TppLabel* addLabel(const char* name, TppBand* band, int left, int top, int width, int height) {
        auto* label = new TppLabel(&form);
        label->SetName(name);
        label->SetAutoSize(false);
        label->SetCaption(QString::fromLatin1(name).mid(2));
        label->SetBand(band);
        label->SetBounds(mm(left), mm(top, true), mm(width), mm(height, true));
        return label;
    }

    // The report's template lives in `table` (a name and a body field),
    // read and written through the pipeline "plTemplates".
    void storeTemplatesIn(MemoryTable& table) {
        table.setFieldDefs({{"name", FieldType::String, 40, 0}, {"body", FieldType::Memo, 0, 0}});
        table.open();
        auto* templates = new TppDBPipeline(&form);
        templates->SetName("plTemplates");
        templates->SetDataSource(new DataSource(&form, &table));
        TppReportTemplate& stored = ReportTemplate(*report);
        stored.DatabaseSettings().SetDataPipeline(templates);
        stored.DatabaseSettings().SetNameField("name");
        stored.DatabaseSettings().SetTemplateField("body");
        stored.SetSaveTo(stDatabase);
    }

    // Where a component's box is on the workspace, in pixels.
    QPoint topLeft(const TppComponent& component) const {
        const PixelBox box = controller->boxOf(component);
        return {box.left, box.top};
    }

    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        controller->mousePress(from, modifiers);
        controller->mouseMove((from + to) / 2);
        controller->mouseMove(to);
        controller->mouseRelease(to);
    }

    OwnedComponent form;
    TppReport* report = nullptr;
    TppHeaderBand* header = nullptr;
    TppDetailBand* detail = nullptr;
    TppFooterBand* footer = nullptr;
    TppLabel* first = nullptr;
    TppLabel* second = nullptr;
    TppLabel* third = nullptr;
    std::unique_ptr<DesignerController> controller;
};
