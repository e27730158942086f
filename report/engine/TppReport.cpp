#include "TppReport.h"

#include "ClassBuilder.h"
#include "TppCalc.h"

const ClassInfo& TppReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReport>("TppReport", &TppBandedReport::staticClassInfo(), [](auto& c) {
            // The report's settings in the order its templates list them:
            // the layout's own first, then the printer, then the outputs.
            c.republish({"AutoStop", "Columns", "ColumnPositions", "DataPipeline", "PrinterSetup",
                         "AllowPrintToArchive", "AllowPrintToFile", "ArchiveFileName", "CachePages",
                         "DeviceType", "Language", "ModalCancelDialog", "ModalPreview", "NoDataBehaviors"});
            c.object("OutlineSettings", [](TppReport& r) -> Persistent* { return &r.OutlineSettings(); });
            c.republish({"PageLimit", "PassSetting", "PreviewFormSettings", "SaveAsTemplate",
                         "SavePrinterSetup", "ShowAutoSearchDialog", "ShowCancelDialog", "ShowPrintDialog",
                         "Template", "TextFileName", "TextFileType", "Units"});
            // Older layouts kept the orientation on the report; the rest of
            // what they stored there is no longer a setting.
            c.defined("Orientation", PropertyKind::Enumeration, nullptr, [](TppReport& r, const QVariant& v) {
                r.PrinterSetup().SetOrientation(v.toString() == QLatin1String("poLandscape") ? poLandscape
                                                                                             : poPortrait);
            });
            for (const char* ignored :
                 {"AllowPrintCancel", "DataSource", "NoDataPages", "PreviewPages", "RowSpacing",
                  "SuppressFormFeed", "Viewer", "OnAutoSearchDialogCreate"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppReport&, const QVariant&) {});
        });
    return info;
}

TppReport::TppReport(OwnedComponent* owner) : TppBandedReport(owner) {}

TppReport::~TppReport() {
    markDestroying();
}

void TppReport::TakeOverLayout(TppCustomReport& other) {
    TppBandedReport::TakeOverLayout(other);
    if (const auto* report = dynamic_cast<const TppReport*>(&other))
        outlineSettings_ = report->outlineSettings_;
    // Layouts from before variables existed held calculations instead.
    if (VersionNo() <= 3998)
        ConvertOldCalculations(*this);
}
