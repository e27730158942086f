#include "TppReport.h"

#include "ClassBuilder.h"
#include "TppCalc.h"
#include "TppOutline.h"
#include "TppOutlineEventKinds.h"
#include "TppOutlineNode.h"

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
            c.event("OnOutlineNodeCreate", &TppReport::OnOutlineNodeCreate);
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

TppReport::TppReport(OwnedComponent* owner)
    : TppBandedReport(owner), outline_(std::make_unique<TppOutline>(*this)) {
    outlineSettings_.OnChange = [this] {
        if (!isLoading())
            Reset();
    };
    outline_->OnOutlineNodeCreate = [this](TppCommunicator* sender, TppOutlineNode* node, bool& accept) {
        outlineNodeCreated(sender, node, accept);
    };
}

TppReport::~TppReport() {
    markDestroying();
    outline_.reset();
}

void TppReport::TakeOverLayout(TppCustomReport& other) {
    TppBandedReport::TakeOverLayout(other);
    if (auto* report = dynamic_cast<TppReport*>(&other)) {
        outlineSettings_.Assign(report->outlineSettings_);
        OnOutlineNodeCreate.TakeOver(report->OnOutlineNodeCreate);
    }
    // Layouts from before variables existed held calculations instead.
    if (VersionNo() <= 3998)
        ConvertOldCalculations(*this);
}

TppOutline& TppReport::InitializeOutline() {
    outline_->Initialize();
    return *outline_;
}

void TppReport::outlineNodeCreated(TppCommunicator* sender, TppOutlineNode* node, bool& accept) {
    // Scripts first, then the report's own handler: a handler set in code
    // has the last word over what a template's script decided.
    TppEventParams params{QVariant::fromValue<Persistent*>(node), accept};
    BroadcastEvent(this, ciReportOutlineNodeCreate, &params);
    accept = params.value(1).toBool();
    OnOutlineNodeCreate(sender, node, accept);
}

void TppReport::Notify(TppCommunicator* sender, int operation) {
    TppBandedReport::Notify(sender, operation);
    if (operation == ppopOutlineSettingsChanged)
        Reset();
}
