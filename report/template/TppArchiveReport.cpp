#include "TppArchiveReport.h"

#include "ArchiveReader.h"
#include "ClassBuilder.h"
#include "TppCustomEngine.h"
#include "TppPageRequest.h"
#include "TppPublisher.h"

namespace {

using ArchivedPages = std::vector<std::unique_ptr<TppPage>>;

// Hands out the archived pages in order until the request is served; a
// page is never generated, so every request starts from the first page.
class ArchiveEngine : public TppCustomEngine {
public:
    explicit ArchiveEngine(std::shared_ptr<ArchivedPages> pages) : pages_(std::move(pages)) {}

    void GeneratePages(TppPageRequest&, TppPublisher& publisher) override {
        for (const auto& archived : *pages_) {
            if (StopPrinting || publisher.RequestSatisfied())
                break;
            TppPage& page = Page();
            page.Assign(*archived);
            // Archived pages are the finished pages of their report.
            page.Final = true;
            page.Calculation = false;
            AbsolutePageNo = PageNo = page.AbsolutePageNo;
            AbsolutePageCount = PageCount = page.AbsolutePageCount;
            publisher.AcceptPage(page);
        }
        GenerationCompleted = true;
    }

private:
    std::shared_ptr<ArchivedPages> pages_;
};

} // namespace

const ClassInfo& TppArchiveReport::staticClassInfo() {
    static const ClassInfo info = describeClass<TppArchiveReport>(
        "TppArchiveReport", &TppCustomReport::staticClassInfo(), [](auto&) {});
    return info;
}

TppArchiveReport::TppArchiveReport(OwnedComponent* owner)
    : TppCustomReport(owner), pages_(std::make_shared<ArchivedPages>()) {}

TppArchiveReport::~TppArchiveReport() {
    markDestroying();
}

void TppArchiveReport::LoadFromFile(const QString& fileName) {
    ArchivedPages pages = ReadArchiveFile(fileName);
    *pages_ = std::move(pages);
    if (!pages_->empty()) {
        const TppPage& first = *pages_->front();
        PrinterSetup().Assign(first.PrinterSetup());
    }
    Publisher().ResetCache();
    Reset();
}

TppCustomEngine* TppArchiveReport::CreateEngine() {
    return new ArchiveEngine(pages_);
}
