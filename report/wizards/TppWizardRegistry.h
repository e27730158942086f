#pragma once

#include <QList>
#include <QString>
#include <memory>

class ClassInfo;
class TppCustomReportWizard;

// The wizards a designer offers for new reports, by class name, in the
// order they are offered: the featured one first, then as registered. A
// registered wizard class is in the class registry too, where templates and
// scripts find classes by name.
class TppWizardRegistry {
public:
    struct Entry {
        QString className;
        QString name;
    };

    static TppWizardRegistry& instance();

    // Once per class; registering the featured class moves it to the front.
    void Register(const ClassInfo& wizardClass);
    void Unregister(const QString& className);
    bool IsRegistered(const QString& className) const;
    // Every registered wizard with the name it is offered under.
    QList<Entry> ReportWizards() const;
    // A new wizard of the class; none when it is not registered.
    std::unique_ptr<TppCustomReportWizard> Create(const QString& className) const;

    QString DefaultWizard = QStringLiteral("TppBlankReportWizard");
    QString FeaturedWizard = QStringLiteral("TppReportWizard");

private:
    QList<const ClassInfo*> registrations_;
};

// Registers the blank report, the report wizard and the label wizard.
void registerReportWizards();
