#include "TppReportModule.h"

#include "ClassBuilder.h"
#include "TppCustomReport.h"

const ClassInfo& TppReportModule::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReportModule>("TppReportModule", &TppRelative::staticClassInfo(), [](auto&) {});
    return info;
}

TppReportModule::TppReportModule(OwnedComponent* owner) : TppRelative(owner) {}

TppCustomReport* TppReportModule::Report() const {
    return dynamic_cast<TppCustomReport*>(Parent());
}

bool TppReportModule::SetParentComponent(OwnedComponent* parent) {
    auto* report = dynamic_cast<TppCustomReport*>(parent);
    if (!report)
        return false;
    SetParent(report);
    return true;
}

TppReportModule* TppReportModule::Find(const TppCustomReport& report, const ClassInfo& moduleClass) {
    for (TppRelative* child : report.children())
        if (auto* module = dynamic_cast<TppReportModule*>(child);
            module && module->classInfo().inheritsFrom(moduleClass))
            return module;
    return nullptr;
}
