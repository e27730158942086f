#include "TppArchiveReport.h"

#include "ArchiveReader.h"
#include "TppCustomEngine.h"
#include "TppOutlineDrawCommand.h"
#include "TppPageRequest.h"
#include "TppPublisher.h"

namespace {

// Hands out the archived pages a request wants, in order; nothing is
// generated, so any page is as quick as the first.
class ArchivePageEngine final : public TppCustomEngine {
public:
    explicit ArchivePageEngine(const std::vector<std::unique_ptr<TppPage>>& pages) : pages_(pages) {}

    void GeneratePages(TppPageRequest& request, TppPublisher& publisher) override {
        TppPageRequest wanted;
        wanted.Assign(request);
        for (const auto& archived : pages_) {
            if (StopPrinting || publisher.RequestSatisfied())
                break;
            if (!wanted.WantsPage(*archived))
                continue;
            TppPage& page = Page();
            page.Assign(*archived);
            AbsolutePageNo = page.AbsolutePageNo;
            AbsolutePageCount = page.AbsolutePageCount;
            PageNo = page.PageNo;
            PageCount = page.PageCount;
            publisher.AcceptPage(page);
        }
        GenerationCompleted = true;
    }

private:
    const std::vector<std::unique_ptr<TppPage>>& pages_;
};

} // namespace

TppArchiveReport::TppArchiveReport(OwnedComponent* owner) : TppCustomReport(owner) {}

TppArchiveReport::~TppArchiveReport() {
    markDestroying();
}

void TppArchiveReport::LoadFromFile(const QString& fileName) {
    std::vector<std::unique_ptr<TppPage>> pages = ReadArchiveFile(fileName);
    const int count = int(pages.size());
    for (int k = 0; k < count; ++k) {
        TppPage& page = *pages[k];
        // The preview turns pages by number and knows the end by the last
        // page: an archive of some pages only is shown as pages 1 to N.
        page.AbsolutePageNo = k + 1;
        page.AbsolutePageCount = count;
        page.FirstPage = k == 0;
        page.LastPage = k + 1 == count;
        page.Final = true;
    }
    // An archive keeps the outline on its last page only; the preview finds
    // it on the page it shows, so every page gets a copy.
    const TppOutlineDrawCommand* outline = count > 0 ? pages.back()->FindOutlineDrawCommand() : nullptr;
    for (int k = 0; outline && k + 1 < count; ++k) {
        if (pages[k]->FindOutlineDrawCommand())
            continue;
        auto* copy = new TppOutlineDrawCommand;
        copy->Assign(*outline);
        pages[k]->AddDrawCommand(copy);
    }
    Publisher().ResetCache();
    if (TppCustomEngine* engine = Engine())
        engine->Reset();
    pages_ = std::move(pages);
    fileName_ = fileName;
    if (!pages_.empty()) {
        PrinterSetup().Assign(pages_.front()->PrinterSetup());
        PrinterSetup().SetDocumentName(pages_.front()->DocumentName);
    }
    Reset();
}

TppCustomEngine* TppArchiveReport::CreateEngine() {
    return new ArchivePageEngine(pages_);
}
