#pragma once

#include "TppCustomReport.h"

#include <memory>
#include <vector>

// An archived report shown or printed again: a report whose pages come
// from an archive instead of a layout and data. Printed to the screen it
// opens the preview as any report does; the pages keep the paper, numbers
// and texts they were archived with.
class TppArchiveReport : public TppCustomReport {
public:
    PW_CLASS_INFO

    explicit TppArchiveReport(OwnedComponent* owner = nullptr);
    ~TppArchiveReport() override;

    // Reads the archive (ETemplateLoadError when damaged); the report takes
    // the first page's printer setup and document name.
    void LoadFromFile(const QString& fileName);
    int ArchivedPageCount() const { return int(pages_->size()); }

protected:
    TppCustomEngine* CreateEngine() override;

private:
    std::shared_ptr<std::vector<std::unique_ptr<TppPage>>> pages_;
};
