#include "TppWizardRegistry.h"

#include "TppLabelWizard.h"
#include "TppReportWizard.h"
#include "TppWizard.h"

TppWizardRegistry& TppWizardRegistry::instance() {
    static TppWizardRegistry registry;
    return registry;
}

void TppWizardRegistry::Register(const QString& className, Factory factory) {
    if (IsRegistered(className))
        return;
    Registration registration{className, std::move(factory)};
    if (className == FeaturedWizard)
        registrations_.prepend(std::move(registration));
    else
        registrations_.append(std::move(registration));
}

void TppWizardRegistry::Unregister(const QString& className) {
    registrations_.removeIf([&](const Registration& entry) { return entry.className == className; });
}

bool TppWizardRegistry::IsRegistered(const QString& className) const {
    for (const Registration& entry : registrations_)
        if (entry.className == className)
            return true;
    return false;
}

QList<TppWizardRegistry::Entry> TppWizardRegistry::ReportWizards() const {
    QList<Entry> entries;
    for (const Registration& entry : registrations_)
        entries << Entry{entry.className, entry.factory()->WizardName()};
    return entries;
}

std::unique_ptr<TppCustomReportWizard> TppWizardRegistry::Create(const QString& className) const {
    for (const Registration& entry : registrations_)
        if (entry.className == className)
            return entry.factory();
    return nullptr;
}

void registerReportWizards() {
    TppWizardRegistry& registry = TppWizardRegistry::instance();
    registry.Register(QStringLiteral("TppBlankReportWizard"),
                      [] { return std::make_unique<TppBlankReportWizard>(); });
    registry.Register(QStringLiteral("TppReportWizard"), [] { return std::make_unique<TppReportWizard>(); });
    registry.Register(QStringLiteral("TppLabelWizard"), [] { return std::make_unique<TppLabelWizard>(); });
}
