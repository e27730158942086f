#include "TppCustomTemplate.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppCustomReport.h"

#include <atomic>

namespace {
std::atomic<ReportTemplateFactory> reportTemplateFactory{nullptr};
} // namespace

const ClassInfo& TppCustomTemplate::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomTemplate>("TppCustomTemplate", &Persistent::staticClassInfo(), [](auto& c) {
            using T = TppCustomTemplate;
            c.object("DatabaseSettings", [](T& t) -> Persistent* { return &t.databaseSettings_; });
            c.property("FileName", &T::FileName, &T::SetFileName);
            c.property("Format", &T::Format, &T::SetFormat)
                .names(enumerationNames("TppFormatType"))
                .withDefault(ftBinary);
            c.property("Offset", &T::Offset, &T::SetOffset).withDefault(0);
            c.property("SaveTo", &T::SaveTo, &T::SetSaveTo)
                .names(enumerationNames("TppSaveToType"))
                .withDefault(stFile);
        });
    return info;
}

QString TppCustomTemplate::Description() const {
    return saveTo_ == stFile ? fileName_ : databaseSettings_.Name();
}

void TppCustomTemplate::SetDescription(const QString& description) {
    if (saveTo_ == stFile)
        SetFileName(description);
    else
        databaseSettings_.SetName(description);
}

void TppCustomTemplate::Assign(const TppCustomTemplate& other) {
    databaseSettings_.Assign(other.databaseSettings_);
    SetFileName(other.fileName_);
    offset_ = other.offset_;
    format_ = other.format_;
    saveTo_ = other.saveTo_;
    showBusyCursor_ = other.showBusyCursor_;
}

void SetReportTemplateFactory(ReportTemplateFactory factory) {
    reportTemplateFactory = factory;
}

std::unique_ptr<TppCustomTemplate> CreateReportTemplate(TppCustomReport& report) {
    if (const ReportTemplateFactory factory = reportTemplateFactory)
        return factory(report);
    return std::make_unique<TppCustomTemplate>(&report);
}
