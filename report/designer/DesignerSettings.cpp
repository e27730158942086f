#include "DesignerSettings.h"

#include "PagewrightErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray trimmed(const QByteArray& bytes) {
    return bytes.trimmed();
}

// "[name]", and anything after the bracket is ignored ("[name] ; note").
bool sectionLine(const QByteArray& line, QByteArray* name) {
    const QByteArray text = trimmed(line);
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0)
        return false;
    if (name)
        *name = trimmed(text.mid(1, close - 1));
    return true;
}

// Only blanks and tabs: the other control bytes may belong to a value.
QByteArray trimBlanks(const QByteArray& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.mid(start, end - start);
}

QByteArray unquote(const QByteArray& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool sameName(const QByteArray& a, const QString& b) {
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFileStore::IniFileStore(QString path) : path_(std::move(path)) {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    bytes.replace("\r\n", "\n");
    lines_ = bytes.split('\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

int IniFileStore::findSection(const QString& section) const {
    for (int index = 0; index < lines_.size(); ++index) {
        QByteArray name;
        if (sectionLine(lines_.at(index), &name) && sameName(name, section))
            return index;
    }
    return -1;
}

int IniFileStore::findKey(int sectionLine_, const QString& key) const {
    for (int index = sectionLine_ + 1; index < lines_.size(); ++index) {
        const QByteArray& line = lines_.at(index);
        if (sectionLine(line, nullptr))
            return -1;
        if (trimmed(line).startsWith(';'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && sameName(trimmed(line.left(equals)), key))
            return index;
    }
    return -1;
}

std::optional<QString> IniFileStore::read(const QString& section, const QString& key) const {
    const int sectionAt = findSection(section);
    if (sectionAt < 0)
        return std::nullopt;
    const int keyAt = findKey(sectionAt, key);
    if (keyAt < 0)
        return std::nullopt;
    const QByteArray& line = lines_.at(keyAt);
    return QString::fromUtf8(trimmed(line.mid(line.indexOf('=') + 1)));
}

QByteArray IniFileStore::readBytes(const QString& section, const QString& key) const {
    const int sectionAt = findSection(section);
    const int keyAt = sectionAt < 0 ? -1 : findKey(sectionAt, key);
    if (keyAt < 0)
        return {};
    const QByteArray& line = lines_.at(keyAt);
    return unquote(trimBlanks(line.mid(line.indexOf('=') + 1)));
}

void IniFileStore::write(const QString& section, const QString& key, const QString& value) {
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    int sectionAt = findSection(section);
    if (sectionAt < 0) {
        if (!lines_.isEmpty() && !trimmed(lines_.last()).isEmpty())
            lines_ << QByteArray();
        lines_ << '[' + section.toUtf8() + ']';
        lines_ << entry;
        dirty_ = true;
        return;
    }
    if (const int keyAt = findKey(sectionAt, key); keyAt >= 0) {
        // The key keeps the spelling it has in the file.
        const QByteArray& line = lines_.at(keyAt);
        const QByteArray replaced = trimmed(line.left(line.indexOf('='))) + '=' + value.toUtf8();
        if (line != replaced) {
            lines_[keyAt] = replaced;
            dirty_ = true;
        }
        return;
    }
    // After the section's last entry, before the blank lines that part it from the next.
    int insertAt = sectionAt + 1;
    for (int index = sectionAt + 1; index < lines_.size() && !sectionLine(lines_.at(index), nullptr); ++index)
        if (!trimmed(lines_.at(index)).isEmpty())
            insertAt = index + 1;
    lines_.insert(insertAt, entry);
    dirty_ = true;
}

void IniFileStore::erase(const QString& section, const QString& key) {
    const int sectionAt = findSection(section);
    if (sectionAt < 0)
        return;
    if (const int keyAt = findKey(sectionAt, key); keyAt >= 0) {
        lines_.removeAt(keyAt);
        dirty_ = true;
    }
}

void IniFileStore::flush() {
    if (!dirty_)
        return;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        throw EPagewrightError(QStringLiteral("Cannot write %1: %2").arg(path_, file.errorString()));
    for (const QByteArray& line : lines_)
        file.write(line + '\n');
    if (!file.commit())
        throw EPagewrightError(QStringLiteral("Cannot write %1: %2").arg(path_, file.errorString()));
    dirty_ = false;
}

QString settingsFileName(const QString& name) {
    QString bare = name;
    bare.remove(QStringLiteral("($WINSYS)\\"), Qt::CaseInsensitive);
    return bare;
}

std::unique_ptr<DesignerSettingsStore> createSettingsStore(const QString& kind, const QString& name,
                                                           const QString& folder) {
    if (kind.compare(QStringLiteral("IniFile"), Qt::CaseInsensitive) == 0) {
        const QString file = settingsFileName(name.isEmpty() ? QStringLiteral("Pwright.ini") : name);
        return std::make_unique<IniFileStore>(QDir(folder).filePath(file));
    }
    if (kind.compare(QStringLiteral("Registry"), Qt::CaseInsensitive) == 0) {
        QString key = name.isEmpty() ? QStringLiteral("Pwright") : name;
        key.replace(QLatin1Char('\\'), QLatin1Char('_'));
        key.replace(QLatin1Char('/'), QLatin1Char('_'));
        return std::make_unique<IniFileStore>(QDir(folder).filePath(key + QStringLiteral(".registry.ini")));
    }
    return nullptr;
}

namespace {

const QString kPreferences = QStringLiteral("Designer Preferences");
const QString kPosition = QStringLiteral("Designer Position");
const QString kGrid = QStringLiteral("Grid Options");
const QString kFormat = QStringLiteral("Format");
const QString kRecent = QStringLiteral("Last Reports Accessed");

bool readBool(const DesignerSettingsStore& store, const QString& section, const QString& key, bool fallback) {
    const auto value = store.read(section, key);
    if (!value)
        return fallback;
    if (value->compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || *value == QLatin1String("1"))
        return true;
    if (value->compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0 || *value == QLatin1String("0"))
        return false;
    return fallback;
}

std::optional<int> readInt(const DesignerSettingsStore& store, const QString& section, const QString& key) {
    const auto value = store.read(section, key);
    bool ok = false;
    const int number = value ? value->toInt(&ok) : 0;
    return ok ? std::optional<int>(number) : std::nullopt;
}

QString boolText(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

DesignerSettings DesignerSettings::read(const DesignerSettingsStore& store) {
    return read(store, DesignerSettings());
}

DesignerSettings DesignerSettings::read(const DesignerSettingsStore& store,
                                        const DesignerSettings& defaults) {
    DesignerSettings settings = defaults;
    settings.recent.clear();
    settings.freeOnClose = readBool(store, kPreferences, QStringLiteral("FreeOnClose"), settings.freeOnClose);
    settings.showData = readBool(store, kPreferences, QStringLiteral("ShowData"), settings.showData);
    settings.windowState =
        readInt(store, kPosition, QStringLiteral("WindowState")).value_or(settings.windowState);
    const auto left = readInt(store, kPosition, QStringLiteral("Left"));
    const auto top = readInt(store, kPosition, QStringLiteral("Top"));
    const auto width = readInt(store, kPosition, QStringLiteral("Width"));
    const auto height = readInt(store, kPosition, QStringLiteral("Height"));
    if (left && top && width && height && *width > 0 && *height > 0)
        settings.bounds = QRect(*left, *top, *width, *height);
    settings.grid.snapToGrid = readBool(store, kGrid, QStringLiteral("SnapToGrid"), settings.grid.snapToGrid);
    settings.grid.displayGrid =
        readBool(store, kGrid, QStringLiteral("DisplayGrid"), settings.grid.displayGrid);
    // 0 has always meant the default; anything below it is no grid either.
    const int x = readInt(store, kGrid, QStringLiteral("XGridSpace")).value_or(8);
    const int y = readInt(store, kGrid, QStringLiteral("YGridSpace")).value_or(8);
    settings.grid.xSpace = x <= 0 ? 8 : x;
    settings.grid.ySpace = y <= 0 ? 8 : y;
    if (const auto name = store.read(kFormat, QStringLiteral("DefaultFontName")); name && !name->isEmpty())
        settings.defaultFontName = *name;
    if (const auto size = readInt(store, kFormat, QStringLiteral("DefaultFontSize")); size && *size > 0)
        settings.defaultFontSize = *size;
    settings.recentMax =
        std::max(0, readInt(store, kRecent, QStringLiteral("Max")).value_or(settings.recentMax));
    for (int index = 0; index < settings.recentMax; ++index)
        if (const auto line = store.read(kRecent, QStringLiteral("R%1").arg(index)); line && !line->isEmpty())
            settings.recent << *line;
    return settings;
}

void DesignerSettings::write(DesignerSettingsStore& store) const {
    store.write(kPreferences, QStringLiteral("FreeOnClose"), boolText(freeOnClose));
    store.write(kPreferences, QStringLiteral("ShowData"), boolText(showData));
    store.write(kPosition, QStringLiteral("WindowState"), QString::number(windowState));
    if (bounds && windowState == 0) {
        store.write(kPosition, QStringLiteral("Left"), QString::number(bounds->x()));
        store.write(kPosition, QStringLiteral("Top"), QString::number(bounds->y()));
        store.write(kPosition, QStringLiteral("Width"), QString::number(bounds->width()));
        store.write(kPosition, QStringLiteral("Height"), QString::number(bounds->height()));
    }
    store.write(kGrid, QStringLiteral("SnapToGrid"), boolText(grid.snapToGrid));
    store.write(kGrid, QStringLiteral("DisplayGrid"), boolText(grid.displayGrid));
    store.write(kGrid, QStringLiteral("XGridSpace"), QString::number(grid.xSpace));
    store.write(kGrid, QStringLiteral("YGridSpace"), QString::number(grid.ySpace));
    store.write(kFormat, QStringLiteral("DefaultFontName"), defaultFontName);
    store.write(kFormat, QStringLiteral("DefaultFontSize"), QString::number(defaultFontSize));
    store.write(kRecent, QStringLiteral("Max"), QString::number(recentMax));
    for (int index = 0; index < std::max(recentMax, int(recent.size())); ++index) {
        if (index < recent.size() && index < recentMax)
            store.write(kRecent, QStringLiteral("R%1").arg(index), recent.at(index));
        else
            store.erase(kRecent, QStringLiteral("R%1").arg(index));
    }
    store.flush();
}
