#pragma once

#include "TppCustomReport.h"

#include <memory>
#include <vector>

// A report whose pages come from an archive instead of a layout and data:
// printed to the screen it shows the archived pages in the preview window,
// which turns them as it turns a report's; printed to a device it prints
// them again. The pages are the archive's in their stored order, numbered
// 1 to N in it, so an archive of a page list previews as pages of its own.
class TppArchiveReport : public TppCustomReport {
public:
    explicit TppArchiveReport(OwnedComponent* owner = nullptr);
    ~TppArchiveReport() override;

    // Reads the archive; ETemplateLoadError when it is damaged or cannot be
    // read, and then the pages held before stay. The report's paper and
    // document name become the first page's.
    void LoadFromFile(const QString& fileName);
    const QString& ArchiveFile() const { return fileName_; }
    int PageCount() const { return int(pages_.size()); }

protected:
    TppCustomEngine* CreateEngine() override;

private:
    QString fileName_;
    std::vector<std::unique_ptr<TppPage>> pages_;
};
