#include "TppChildReport.h"

#include "ClassBuilder.h"
#include "TppBand.h"
#include "TppSubReport.h"

const ClassInfo& TppChildReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppChildReport>("TppChildReport", &TppBandedReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppChildReport::TppChildReport(OwnedComponent* owner) : TppBandedReport(owner) {}

TppChildReport::~TppChildReport() {
    markDestroying();
}

TppSubReport* TppChildReport::SubReport() const {
    return dynamic_cast<TppSubReport*>(Parent());
}

TppReportModel* TppChildReport::ParentReport() const {
    const TppSubReport* subReport = SubReport();
    return subReport && subReport->Band() ? subReport->Band()->Report() : nullptr;
}

TppReportModel* TppChildReport::MainReport() {
    TppReportModel* parent = ParentReport();
    return parent ? parent->MainReport() : this;
}

bool TppChildReport::PrintsPageBands() const {
    const TppSubReport* subReport = SubReport();
    return !subReport || subReport->PrintBehavior() != pbChild;
}

bool TppChildReport::PrintsInsideAnother() const {
    const TppSubReport* subReport = SubReport();
    return subReport && subReport->PrintBehavior() != pbSection;
}

bool TppChildReport::SetParentComponent(OwnedComponent* parent) {
    auto* subReport = dynamic_cast<TppSubReport*>(parent);
    if (!subReport)
        return false;
    subReport->SetChildReport(this);
    return true;
}

QString reportKeyOf(const TppReportModel* report) {
    QString key;
    for (const auto* child = dynamic_cast<const TppChildReport*>(report); child;) {
        const TppSubReport* holder = child->SubReport();
        if (!holder)
            break;
        key += sortKeyNumber(holder->Count) + u'|';
        child = dynamic_cast<const TppChildReport*>(holder->Report());
    }
    return key;
}
