#pragma once

#include "LanguageStringNumbers.h"

#include <QHash>
#include <QReadWriteLock>
#include <QString>
#include <QStringList>
#include <optional>

enum TppLanguageType {
    lgDefault,
    lgDanish,
    lgDutch,
    lgEnglish,
    lgFrench,
    lgGerman,
    lgItalian,
    lgPortugueseBrazil,
    lgPortuguese,
    lgSpanish,
    lgSpanishMexico,
    lgSwedish,
    lgNorwegian,
    lgCustom
};

// The three-letter code that names a language module file ("deu" for lgGerman).
QString languageCode(TppLanguageType language);

// Every text the report engine shows is language string n, identifier 43000 + n.
// The program carries the default table; language modules registered by the
// subsystems that own texts ("pwPrint", "pwIDE") override it per language.
//
// A module is a UTF-8 text file named <base>.<code> ("pwPrint.deu") with one
// "identifier=text" line per string; "\n", "\t" and "\\" are escapes, lines
// starting with "#" are comments. It is read as data, never executed.
//
// One manager serves the whole program. Generation on a worker thread reads
// strings while the user may switch languages, so access is locked.
class TppResourceManager {
public:
    static TppResourceManager& instance();

    // Folders searched for module files, in order. By default the folder of
    // the executable and its "languages" subfolder.
    void setSearchPaths(const QStringList& folders);

    void AddModule(const QString& baseName);
    void RemoveModule(const QString& baseName);
    // Loads the language's modules; refused (old language kept) when the
    // language is not lgDefault and no module file exists for it.
    bool SetLanguage(TppLanguageType language);
    TppLanguageType language() const;
    // The first loaded module that has the string, else the default table,
    // else empty.
    QString LoadString(int identifier) const;

private:
    TppResourceManager();
    struct Module {
        QString baseName;
        std::optional<QHash<int, QString>> strings;
    };
    std::optional<QHash<int, QString>> loadModuleFile(const QString& baseName,
                                                      TppLanguageType language) const;
    int reloadModules();

    mutable QReadWriteLock lock_;
    QList<Module> modules_;
    QStringList searchPaths_;
    TppLanguageType language_ = lgDefault;
    bool upToDate_ = false;
};

// Language string n (identifier 43000 + n).
QString LanguageString(int n);
// Language string n with its placeholders ("<page>", "<documentname>" ...)
// filled by the arguments in order of appearance.
QString LanguageStringFmt(int n, const QStringList& arguments);
// The same filling for any text.
QString fillPlaceholders(const QString& text, const QStringList& arguments);

// The program's own table, keyed by n.
const QHash<int, QString>& defaultLanguageStrings();
