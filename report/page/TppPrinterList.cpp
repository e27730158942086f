#include "TppPrinterList.h"

namespace {
// Until the application installs the printing system's catalogue there are
// no printers: the headless layers never load a printing library.
class NoPrinterCatalog final : public PrinterCatalog {
public:
    QList<InstalledPrinter> printers() const override { return {}; }
    QString defaultPrinterName() const override { return {}; }
    PrinterCapabilities capabilities(const QString&) const override { return {}; }
    bool printsInColour(const QString&) const override { return true; }
    int resolution(const QString&) const override { return 600; }
    std::unique_ptr<PrintJob> startJob(const QString&, const PrintJobRequest&) const override {
        return nullptr;
    }
};

// The screen pseudo-printer lives for the whole process; the list shares it
// without owning it.
std::shared_ptr<const TppPrinterInfo> screenInfo() {
    return std::shared_ptr<const TppPrinterInfo>(&TppPrinterInfo::screen(), [](const TppPrinterInfo*) {});
}
} // namespace

TppPrinterList& TppPrinterList::instance() {
    static TppPrinterList list;
    return list;
}

TppPrinterList::TppPrinterList() : catalog_(std::make_shared<NoPrinterCatalog>()) {}

TppPrinterList::~TppPrinterList() = default;

void TppPrinterList::setCatalog(std::shared_ptr<PrinterCatalog> catalog) {
    QMutexLocker lock(&mutex_);
    catalog_ = std::move(catalog);
    built_ = false;
}

void TppPrinterList::refresh() {
    QMutexLocker lock(&mutex_);
    built_ = false;
}

void TppPrinterList::buildLocked() {
    if (built_)
        return;
    built_ = true;
    entries_.clear();
    const QList<InstalledPrinter> printers = catalog_->printers();
    QList<std::pair<QString, std::shared_ptr<const TppPrinterInfo>>> installed;
    for (const InstalledPrinter& printer : printers) {
        std::weak_ptr<PrinterCatalog> catalog = catalog_;
        const QString name = printer.name;
        auto info = std::make_shared<const TppPrinterInfo>(printer, [catalog, name] {
            const auto source = catalog.lock();
            return normalisedCapabilities(source ? source->capabilities(name) : PrinterCapabilities());
        });
        installed.append({name, info});
    }
    defaultName_ = catalog_->defaultPrinterName();
    std::shared_ptr<const TppPrinterInfo> defaultInfo = screenInfo();
    for (const auto& [name, info] : installed)
        if (name == defaultName_)
            defaultInfo = info;
    if (defaultInfo->isScreen())
        defaultName_ = QStringLiteral("Screen");
    entries_.append({QStringLiteral("Default"), defaultInfo});
    entries_.append({QStringLiteral("Screen"), screenInfo()});
    entries_.append(installed);
}

QStringList TppPrinterList::PrinterNames() {
    QMutexLocker lock(&mutex_);
    buildLocked();
    QStringList names;
    for (const auto& entry : entries_)
        names << entry.first;
    return names;
}

std::shared_ptr<const TppPrinterInfo> TppPrinterList::findLocked(const QString& name) const {
    for (const auto& [key, info] : entries_)
        if (key == name)
            return info;
    if (const qsizetype on = name.indexOf(QLatin1String(" on")); on > 0) {
        const QString device = name.left(on);
        for (const auto& [key, info] : entries_)
            if (info->device() == device)
                return info;
    }
    for (const auto& [key, info] : entries_)
        if (!info->port().isEmpty() && QStringLiteral("%1 on %2").arg(info->device(), info->port()) == name)
            return info;
    return entries_.isEmpty() ? nullptr : entries_.first().second;
}

std::shared_ptr<const TppPrinterInfo> TppPrinterList::FindPrinter(const QString& name) {
    QMutexLocker lock(&mutex_);
    buildLocked();
    return findLocked(name);
}

QString TppPrinterList::DefaultPrinterName() {
    QMutexLocker lock(&mutex_);
    buildLocked();
    const QString name = catalog_->defaultPrinterName();
    for (const auto& [key, info] : entries_)
        if (key != QLatin1String("Default") && key == name)
            return name;
    return QStringLiteral("Screen");
}

std::shared_ptr<const PrinterCatalog> TppPrinterList::catalog() {
    QMutexLocker lock(&mutex_);
    return catalog_;
}
