#include "RecentTemplates.h"

#include "TppCustomTemplate.h"
#include "TppDataPipeline.h"
#include "TppTemplate.h"

#include <QFileInfo>

namespace {

const QString kDatabaseStorage = QStringLiteral("stDatabase");

} // namespace

QStringList recentEntryOf(const TppCustomTemplate& storage) {
    if (storage.SaveTo() == stFile) {
        const QString file = storage.FileName();
        if (file.isEmpty())
            return {};
        return {QFileInfo(file).completeBaseName(), file};
    }
    const TppTemplateDBSettings& settings = storage.DatabaseSettings();
    if (settings.Name().isEmpty() || !settings.DataPipeline())
        return {};
    return {settings.Name(), kDatabaseStorage, settings.DataPipeline()->Name(), settings.NameField(),
            settings.TemplateField()};
}

bool isDatabaseEntry(const QStringList& entry) {
    return entry.size() >= 5 && entry.at(1) == kDatabaseStorage;
}

void loadDatabaseEntry(TppTemplate& storage, const QStringList& entry, const OwnedComponent& scope) {
    TppTemplateDBSettings& settings = storage.DatabaseSettings();
    TppTemplateDBSettings previous;
    previous.Assign(settings);
    const TppSaveToType previousTarget = storage.SaveTo();
    settings.SetDataPipeline(TppDataPipeline::FindByName(&scope, entry.at(2)));
    settings.SetNameField(entry.at(3));
    settings.SetTemplateField(entry.at(4));
    settings.SetName(entry.at(0));
    storage.SetSaveTo(stDatabase);
    try {
        storage.LoadFromDatabase();
    } catch (...) {
        settings.Assign(previous);
        storage.SetSaveTo(previousTarget);
        throw;
    }
}
