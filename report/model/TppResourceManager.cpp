#include "TppResourceManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

constexpr int kIdentifierBase = 43000;

const char* const kLanguageCodes[] = {"dft", "dan", "nld", "eng", "fra", "deu", "ita",
                                      "ptb", "ptg", "esp", "esm", "sve", "nor", "cst"};

QString unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[++i];
            out += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

const QStringList kPlaceholders = {
    "<page>",     "<pagecount>",   "<documentname>", "<printername>", "<columnno>",
    "<filename>", "<minbarwidth>", "<maxbarwidth>",  "<character>",   "<identifier>",
    "<name>",     "<count>",       "<message>",      "<length>",      "<no>"};

} // namespace

QString languageCode(TppLanguageType language) {
    return QString::fromLatin1(kLanguageCodes[std::clamp(int(language), 0, int(lgCustom))]);
}

TppResourceManager& TppResourceManager::instance() {
    static TppResourceManager manager;
    return manager;
}

TppResourceManager::TppResourceManager() {
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        searchPaths_ = {appDir, QDir(appDir).filePath(QStringLiteral("languages"))};
    }
}

void TppResourceManager::setSearchPaths(const QStringList& folders) {
    QWriteLocker locker(&lock_);
    searchPaths_ = folders;
}

std::optional<QHash<int, QString>> TppResourceManager::loadModuleFile(const QString& baseName,
                                                                      TppLanguageType language) const {
    const QString fileName = baseName + u'.' + languageCode(language);
    for (const QString& folder : searchPaths_) {
        QFile file(QDir(folder).filePath(fileName));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QHash<int, QString> strings;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (QString line : lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            const qsizetype equals = line.indexOf(u'=');
            if (line.startsWith(u'#') || equals <= 0)
                continue;
            bool ok = false;
            const int identifier = line.left(equals).trimmed().toInt(&ok);
            if (ok)
                strings.insert(identifier, unescape(line.mid(equals + 1)));
        }
        return strings;
    }
    return std::nullopt;
}

int TppResourceManager::reloadModules() {
    int loaded = 0;
    for (Module& module : modules_) {
        module.strings = loadModuleFile(module.baseName, language_);
        if (module.strings)
            ++loaded;
    }
    upToDate_ = true;
    return loaded;
}

void TppResourceManager::AddModule(const QString& baseName) {
    QWriteLocker locker(&lock_);
    for (const Module& module : modules_)
        if (module.baseName == baseName)
            return;
    Module module{baseName, std::nullopt};
    if (upToDate_)
        module.strings = loadModuleFile(baseName, language_);
    modules_.append(module);
}

void TppResourceManager::RemoveModule(const QString& baseName) {
    QWriteLocker locker(&lock_);
    modules_.removeIf([&](const Module& module) { return module.baseName == baseName; });
}

bool TppResourceManager::SetLanguage(TppLanguageType language) {
    QWriteLocker locker(&lock_);
    const TppLanguageType old = language_;
    language_ = language;
    if (language != old)
        upToDate_ = false;
    if (upToDate_)
        return true;
    const int loaded = reloadModules();
    if (language != lgDefault && loaded == 0) {
        language_ = old;
        reloadModules();
        return false;
    }
    return true;
}

TppLanguageType TppResourceManager::language() const {
    QReadLocker locker(&lock_);
    return language_;
}

QString TppResourceManager::LoadString(int identifier) const {
    QReadLocker locker(&lock_);
    for (const Module& module : modules_) {
        if (!module.strings)
            continue;
        const QString text = module.strings->value(identifier);
        if (!text.isEmpty())
            return text;
    }
    return defaultLanguageStrings().value(identifier - kIdentifierBase);
}

QString LanguageString(int n) {
    return TppResourceManager::instance().LoadString(kIdentifierBase + n);
}

QString fillPlaceholders(const QString& text, const QStringList& arguments) {
    QString out;
    qsizetype argument = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto placeholder =
            std::find_if(kPlaceholders.begin(), kPlaceholders.end(),
                         [&](const QString& p) { return QStringView(text).sliced(i).startsWith(p); });
        if (placeholder == kPlaceholders.end()) {
            out += text[i++];
            continue;
        }
        out += arguments.value(argument++);
        i += placeholder->size();
    }
    return out;
}

QString LanguageStringFmt(int n, const QStringList& arguments) {
    return fillPlaceholders(LanguageString(n), arguments);
}
