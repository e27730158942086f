#include "TppWizardRegistry.h"

#include "ClassRegistry.h"
#include "TppLabelWizard.h"
#include "TppReportWizard.h"
#include "TppWizard.h"

TppWizardRegistry& TppWizardRegistry::instance() {
    static TppWizardRegistry registry;
    return registry;
}

void TppWizardRegistry::Register(const ClassInfo& wizardClass) {
    if (IsRegistered(wizardClass.name()))
        return;
    ClassRegistry::instance().registerClass(wizardClass);
    if (wizardClass.name() == FeaturedWizard)
        registrations_.prepend(&wizardClass);
    else
        registrations_.append(&wizardClass);
}

void TppWizardRegistry::Unregister(const QString& className) {
    if (!IsRegistered(className))
        return;
    registrations_.removeIf([&](const ClassInfo* entry) { return entry->name() == className; });
    ClassRegistry::instance().unregisterClass(className);
}

bool TppWizardRegistry::IsRegistered(const QString& className) const {
    for (const ClassInfo* entry : registrations_)
        if (entry->name() == className)
            return true;
    return false;
}

QList<TppWizardRegistry::Entry> TppWizardRegistry::ReportWizards() const {
    QList<Entry> entries;
    for (const ClassInfo* entry : registrations_)
        if (entry->inheritsFrom(TppCustomReportWizard::staticClassInfo()))
            entries << Entry{entry->name(), Create(entry->name())->WizardName()};
    return entries;
}

std::unique_ptr<TppCustomReportWizard> TppWizardRegistry::Create(const QString& className) const {
    for (const ClassInfo* entry : registrations_)
        if (entry->name() == className && entry->isCreatable()) {
            Persistent* made = entry->create(nullptr);
            if (auto* wizard = dynamic_cast<TppCustomReportWizard*>(made))
                return std::unique_ptr<TppCustomReportWizard>(wizard);
            delete made;
        }
    return nullptr;
}

void registerReportWizards() {
    TppWizardRegistry& registry = TppWizardRegistry::instance();
    registry.Register(TppBlankReportWizard::staticClassInfo());
    registry.Register(TppReportWizard::staticClassInfo());
    registry.Register(TppLabelWizard::staticClassInfo());
}
