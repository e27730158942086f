#include "TppReportTemplate.h"

#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "TppCustomReport.h"
#include "TppNotifyOperation.h"

const ClassInfo& TppReportTemplate::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReportTemplate>("TppReportTemplate", &TppTemplate::staticClassInfo(), [](auto&) {});
    return info;
}

TppReportTemplate::TppReportTemplate(TppCustomReport& report) : TppTemplate(&report), report_(report) {}

TppReportTemplate::~TppReportTemplate() = default;

std::unique_ptr<TppCustomReport> TppReportTemplate::emptyReport() const {
    // A class that does not describe itself answers its base's description;
    // the base holds every setting a layout has.
    std::unique_ptr<Persistent> created(
        report_.classInfo().isCreatable() ? report_.classInfo().create(nullptr) : nullptr);
    if (dynamic_cast<TppCustomReport*>(created.get()))
        return std::unique_ptr<TppCustomReport>(dynamic_cast<TppCustomReport*>(created.release()));
    return std::make_unique<TppCustomReport>();
}

void TppReportTemplate::refuseWhilePrinting(const char* what) const {
    if (report_.Printing())
        throw ETemplateLoadError(
            QStringLiteral("Cannot %1 while the report is printing.").arg(QLatin1String(what)));
}

void TppReportTemplate::BeginLoad() {
    refuseWhilePrinting("load a template");
    report_.BroadcastNotification(&report_, ppopReplacingLayout);
    wasModified_ = report_.Modified();
    backup_ = emptyReport();
    backup_->setState(OwnedComponent::Loading, true);
    backup_->TakeOverLayout(report_);
    report_.setState(OwnedComponent::Loading, true);
}

void TppReportTemplate::CheckStreamObjects(const std::vector<StreamObject>& objects) {
    RequireOneObject(objects, TppCustomReport::staticClassInfo(), QStringLiteral("report"));
}

void TppReportTemplate::ComponentsRead(const ReadResult& result) {
    read_ = dynamic_cast<TppCustomReport*>(result.components.value(0));
    if (!read_) {
        qDeleteAll(result.components);
        throw ETemplateLoadError(QStringLiteral("The template holds no report."));
    }
    read_->setState(OwnedComponent::Loading, true);
}

void TppReportTemplate::EndLoad(bool succeeded) {
    report_.TakeOverLayout(succeeded ? *read_ : *backup_);
    delete std::exchange(read_, nullptr);
    backup_.reset();
    report_.setState(OwnedComponent::Loading, false);
    report_.SetModified(!succeeded && wasModified_);
    report_.Reset();
    report_.BroadcastNotification(&report_, ppopLayoutRebuilt);
}

void TppReportTemplate::New() {
    refuseWhilePrinting("start a new report");
    FireOnNew();
    report_.BroadcastNotification(&report_, ppopReplacingLayout);
    TppCustomTemplate settings;
    settings.Assign(*this);
    const std::unique_ptr<TppCustomReport> empty = emptyReport();
    report_.TakeOverLayout(*empty);
    Assign(settings);
    SetDescription(QString());
    report_.SetModified(false);
    report_.Reset();
    report_.BroadcastNotification(&report_, ppopLayoutRebuilt);
}

void TppReportTemplate::Saved() {
    report_.SetModified(false);
}

void TppReportTemplate::Warn(const QString& text) const {
    report_.Warn(text);
}

TppReportTemplate& ReportTemplate(TppCustomReport& report) {
    auto* reportTemplate = dynamic_cast<TppReportTemplate*>(&report.Template());
    if (!reportTemplate)
        throw EPagewrightError(
            QStringLiteral("Report templates cannot be loaded or saved: the template classes "
                           "are not registered."));
    return *reportTemplate;
}
