#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class TppCustomReportWizard;

// The wizards a designer offers for new reports, by class name, in the
// order they are offered: the featured one first, then as registered.
class TppWizardRegistry {
public:
    using Factory = std::function<std::unique_ptr<TppCustomReportWizard>()>;
    struct Entry {
        QString className;
        QString name;
    };

    static TppWizardRegistry& instance();

    // Once per class; registering the featured class moves it to the front.
    void Register(const QString& className, Factory factory);
    void Unregister(const QString& className);
    bool IsRegistered(const QString& className) const;
    // Every registered wizard with the name it is offered under.
    QList<Entry> ReportWizards() const;
    // A new wizard of the class; none when it is not registered.
    std::unique_ptr<TppCustomReportWizard> Create(const QString& className) const;

    QString DefaultWizard = QStringLiteral("TppBlankReportWizard");
    QString FeaturedWizard = QStringLiteral("TppReportWizard");

private:
    struct Registration {
        QString className;
        Factory factory;
    };
    QList<Registration> registrations_;
};

// Registers the blank report, the report wizard and the label wizard.
void registerReportWizards();
