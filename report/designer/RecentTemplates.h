#pragma once

#include <QStringList>

class OwnedComponent;
class TppCustomTemplate;
class TppTemplate;

// What a recent-reports entry says about where a template lives. A file:
// its display name and the file name. A database record: its name, the
// storage kind "stDatabase", then the pipeline's component name, the name
// field and the template field, which with the name find the record again.
QStringList recentEntryOf(const TppCustomTemplate& storage);
bool isDatabaseEntry(const QStringList& entry);

// Loads the record a database entry names, its pipeline looked up among the
// components of `scope` (none when it is gone, which the load refuses). A
// load that fails leaves the template's storage settings as they were.
void loadDatabaseEntry(TppTemplate& storage, const QStringList& entry, const OwnedComponent& scope);
