#pragma once

#include "DesignerGeometry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Where the designer keeps its settings: sections of keys with text
// values. Both kinds of store are ini files of our own, read and written
// byte for byte with their sections as they stand (QSettings would rewrite
// section names such as "Designer Position").
class DesignerSettingsStore {
public:
    virtual ~DesignerSettingsStore() = default;
    // Empty when the key is missing.
    virtual std::optional<QString> read(const QString& section, const QString& key) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void erase(const QString& section, const QString& key) = 0;
    // Writes what changed; a store that cannot be written says why in the exception.
    virtual void flush() = 0;
};

// An ini file: sections and keys match without regard to case, the first
// of two equal keys wins, lines starting with ";" are comments; writing
// keeps the other lines as they were.
class IniFileStore final : public DesignerSettingsStore {
public:
    // A missing or unreadable file reads as an empty one.
    explicit IniFileStore(QString path);
    const QString& path() const { return path_; }
    std::optional<QString> read(const QString& section, const QString& key) const override;
    // The value as the bytes that stand in the file, blanks around them and
    // one pair of enclosing quotes removed: values stored in an encoding of
    // their own (complemented bytes) come back untouched. Empty when missing.
    QByteArray readBytes(const QString& section, const QString& key) const;
    void write(const QString& section, const QString& key, const QString& value) override;
    void erase(const QString& section, const QString& key) override;
    void flush() override;

private:
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;

    QString path_;
    QList<QByteArray> lines_;
    bool dirty_ = false;
};

// The two store kinds by their names, "IniFile" and "Registry", in
// `folder` (the platform's folder for settings files). "IniFile" drops
// every "($WINSYS)\" from the name, so the bare file name lands in that
// folder; "Registry" keeps a key's values in an ini file named after the
// key ("Pwright" by default). An unknown kind gives none.
std::unique_ptr<DesignerSettingsStore> createSettingsStore(const QString& kind, const QString& name,
                                                           const QString& folder);
// The ini file name "($WINSYS)\Pwright.ini" stands for: "Pwright.ini".
QString settingsFileName(const QString& name);

// Everything the designer window reads when it opens and writes when it closes.
struct DesignerSettings {
    bool freeOnClose = true;
    bool showData = true;
    int windowState = 0; // 0 normal, 1 minimized, 2 maximized
    std::optional<QRect> bounds;
    GridOptions grid;
    QString defaultFontName = QStringLiteral("Arial");
    int defaultFontSize = 10;
    int recentMax = 5;
    QStringList recent; // the stored lines, newest first

    // Missing or unreadable values keep those of `defaults` (the recent list
    // is only what is stored); a grid of 0 reads as 8.
    static DesignerSettings read(const DesignerSettingsStore& store, const DesignerSettings& defaults);
    static DesignerSettings read(const DesignerSettingsStore& store);
    void write(DesignerSettingsStore& store) const;
};
