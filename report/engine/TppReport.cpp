#include "TppReport.h"

#include "AutoSearchDescriptions.h"
#include "ClassBuilder.h"
#include "ComponentNames.h"
#include "FormRegistry.h"
#include "TppAutoSearchField.h"
#include "TppAutoSearchGroups.h"
#include "TppCalc.h"
#include "TppCustomAutoSearchDialog.h"
#include "TppEventKind.h"
#include "TppOutline.h"
#include "TppOutlineEventKinds.h"
#include "TppOutlineNode.h"

namespace {

// Runs `f` when the scope ends, also by an exception.
template <class F> class OnExit {
public:
    explicit OnExit(F f) : f_(std::move(f)) {}
    ~OnExit() { f_(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

private:
    F f_;
};

} // namespace

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
            c.event("AfterAutoSearchDialogCreate", &TppReport::AfterAutoSearchDialogCreate);
            c.event("BeforeAutoSearchDialogCreate", &TppReport::BeforeAutoSearchDialogCreate);
            c.event("OnAutoSearchDialogClose", &TppReport::OnAutoSearchDialogClose);
            c.event("OnGetAutoSearchValues", &TppReport::OnGetAutoSearchValues);
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
    RunAutoSearch = [this] {
        const OnExit freeDialog([this] { freeAutoSearchDialog(); });
        return runAutoSearchDialog(false);
    };
}

TppReport::~TppReport() {
    markDestroying();
    freeAutoSearchDialog();
    // Criteria leave the list as they go, which needs this report whole.
    while (!autoSearchFields_.isEmpty())
        delete autoSearchFields_.last();
    outline_.reset();
}

void TppReport::TakeOverLayout(TppCustomReport& other) {
    TppBandedReport::TakeOverLayout(other);
    if (auto* report = dynamic_cast<TppReport*>(&other)) {
        outlineSettings_.Assign(report->outlineSettings_);
        OnOutlineNodeCreate.TakeOver(report->OnOutlineNodeCreate);
        BeforeAutoSearchDialogCreate.TakeOver(report->BeforeAutoSearchDialogCreate);
        AfterAutoSearchDialogCreate.TakeOver(report->AfterAutoSearchDialogCreate);
        OnAutoSearchDialogClose.TakeOver(report->OnAutoSearchDialogClose);
        OnGetAutoSearchValues.TakeOver(report->OnGetAutoSearchValues);
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

void TppReport::AddAutoSearchField(TppAutoSearchField* field) {
    if (autoSearchFields_.contains(field))
        return;
    autoSearchFields_.append(field);
    LinkTo(field);
    Change();
}

void TppReport::RemoveAutoSearchField(TppAutoSearchField* field) {
    if (!autoSearchFields_.removeOne(field))
        return;
    UnlinkFrom(field);
    if (!isDestroying())
        Change();
}

TppAutoSearchField* TppReport::CreateAutoSearchCriteria(const QString& pipelineName, const QString& fieldName,
                                                        TppSearchOperatorType op, const QString& expression,
                                                        bool mandatory) {
    auto* field = new TppAutoSearchField(Owner());
    field->SetName(UniqueComponentName(Owner(), QStringLiteral("ppAutoSearchField"), field));
    field->SetDataPipelineName(pipelineName);
    field->SetFieldName(fieldName);
    field->SetSearchOperator(op);
    field->SetSearchExpression(expression);
    field->SetMandatory(mandatory);
    field->SetReport(this);
    TppEventParams params{QVariant::fromValue(static_cast<Persistent*>(field))};
    BroadcastEvent(this, ciReportAutoSearchFieldCreate, &params);
    return field;
}

TppAutoSearchField* TppReport::AutoSearchCriteriaByName(const QString& pipelineName,
                                                        const QString& fieldName) const {
    for (TppAutoSearchField* field : autoSearchFields_)
        if (field->DataPipelineName().compare(pipelineName, Qt::CaseInsensitive) == 0 &&
            field->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return field;
    return nullptr;
}

QString TppReport::AutoSearchDescription() const {
    return describeSearchCriteria(autoSearchFields_);
}

void TppReport::GetAutoSearchDescriptionLines(QStringList& lines) const {
    lines = searchDescriptionLines(autoSearchFields_);
}

bool TppReport::runAutoSearchDialog(bool fromPrint) {
    BeforeAutoSearchDialogCreate(this);
    BroadcastEvent(this, ciReportBeforeAutoSearchDialogCreate);
    if (!ShowAutoSearchDialog())
        return true;
    // Without a registered dialog nothing is asked: the stored values stand
    // and the report prints with them.
    autoSearchDialog_.reset(FormRegistry::instance().CreateForm<TppCustomAutoSearchDialog>());
    if (!autoSearchDialog_)
        return true;
    TppCustomAutoSearchDialog& dialog = *autoSearchDialog_;
    dialog.Report = this;
    dialog.LanguageIndex = LanguageIndex;
    AfterAutoSearchDialogCreate(this);
    BroadcastEvent(this, ciReportAfterAutoSearchDialogCreate);
    if (autoSearchFields_.isEmpty()) {
        freeAutoSearchDialog();
        return true;
    }
    autoSearchGroups_ = std::make_unique<TppAutoSearchGroups>(autoSearchFields_);
    dialog.Groups = autoSearchGroups_.get();
    dialog.OnClose = [this] {
        OnAutoSearchDialogClose(this);
        BroadcastEvent(this, ciReportAutoSearchDialogClose);
    };
    dialog.Init();
    if (!dialog.ShowModal())
        return false;
    Change();
    // Pages made with the old values are made again.
    Reset();
    if (!fromPrint)
        getAutoSearchValues();
    return true;
}

void TppReport::freeAutoSearchDialog() {
    if (autoSearchDialog_)
        autoSearchDialog_->OnClose = nullptr;
    autoSearchDialog_.reset();
    autoSearchGroups_.reset();
}

void TppReport::getAutoSearchValues() {
    OnGetAutoSearchValues(this);
    BroadcastEvent(this, ciReportGetAutoSearchValues);
}

bool TppReport::AutoSearchBeforePrint() {
    // The dialog stays while the values are got, for handlers that read it.
    const OnExit freeDialog([this] { freeAutoSearchDialog(); });
    const bool goOn = runAutoSearchDialog(true);
    const TppCustomEngine* engine = Engine();
    if (goOn && !(engine && engine->Busy()) && !autoSearchFields_.isEmpty())
        getAutoSearchValues();
    return goOn;
}
