#pragma once

#include "DataSource.h"
#include "EngineClasses.h"
#include "FakeTextMeasurer.h"
#include "LabelReport.h"
#include "MemoryTable.h"
#include "ReportDataHooks.h"
#include "TemplateClasses.h"
#include "TppDBPipeline.h"
#include "TppReport.h"

#include <cmath>
#include <memory>

// A report on a form beside a pipeline "Orders" over a small table, text
// measured 10 pixels a character and 20 high: NAME (10 characters shown),
// CITY (8), AMOUNT (a number, 6), NOTES (a memo) and PHOTO (a picture);
// its rows sorted by city.
struct WizardDataFixture {
    WizardDataFixture() {
        registerEngineClasses();
        registerTemplateClasses();
        table.setFieldDefs({{"NAME", FieldType::String, 20, 10},
                            {"CITY", FieldType::String, 20, 8},
                            {"AMOUNT", FieldType::Float, 0, 6},
                            {"NOTES", FieldType::Memo, 0, 0},
                            {"PHOTO", FieldType::Blob, 0, 0}});
        table.open();
        const QList<std::pair<const char*, const char*>> rows = {
            {"Ann", "Bergen"}, {"Bob", "Bergen"}, {"Cy", "Oslo"}, {"Di", "Oslo"}, {"Ed", "Oslo"}};
        double amount = 10;
        for (const auto& [name, city] : rows) {
            table.append();
            table.setValue(0, QString::fromLatin1(name));
            table.setValue(1, QString::fromLatin1(city));
            table.setValue(2, amount += 1.5);
            table.post();
        }
        form.SetName(QStringLiteral("Form1"));
        pipeline = new TppDBPipeline(&form);
        pipeline->SetName(QStringLiteral("ppOrders"));
        pipeline->SetUserName(QStringLiteral("Orders"));
        pipeline->SetDataSource(new DataSource(&form, &table));
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
        report->SetMeasurer(&measurer);
        createDefaultBands(*report);
    }

    // The pipeline's fields by name, as the wizard offers them.
    QList<TppWizardField> fields(const QStringList& names) {
        QList<TppWizardField> chosen;
        const QList<TppWizardField> all = pipelineFields(*report, QStringLiteral("Orders"));
        for (const QString& name : names)
            for (const TppWizardField& field : all)
                if (field.fieldName == name)
                    chosen << field;
        return chosen;
    }

    static int pixels(int mm, Axis axis = Axis::Horizontal) {
        return int(std::lround(UnitsFromMM(mm, utScreenPixels, axis)));
    }

    MemoryTable table;
    OwnedComponent form;
    TppDBPipeline* pipeline = nullptr;
    TppReport* report = nullptr;
    FakeTextMeasurer measurer;
};
