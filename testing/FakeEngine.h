#pragma once

#include "TppCustomEngine.h"
#include "TppCustomReport.h"
#include "TppDrawLine.h"
#include "TppPublisher.h"

#include <stdexcept>

// Stands in for the generation engine until it lands, for the output and
// preview tests: emits N final pages, each with one line, generating only
// up to what the request needs.
class FakeEngine : public TppCustomEngine {
public:
    using TppCustomEngine::TppCustomEngine;

    // Starts from page 1 on every request; the real engine resumes from
    // its page cache instead.
    void GeneratePages(TppPageRequest&, TppPublisher& publisher) override {
        AbsolutePageNo = 0;
        while (!StopPrinting && !publisher.RequestSatisfied() && AbsolutePageNo < pageCount) {
            ++AbsolutePageNo;
            PageNo = AbsolutePageNo;
            if (BetweenPages)
                BetweenPages();
            if (AbsolutePageNo == throwOnPage)
                throw std::runtime_error("generation failed");
            TppPage& page = Page();
            page.ResetPage();
            page.AbsolutePageNo = page.PageNo = AbsolutePageNo;
            page.AbsolutePageCount = page.PageCount = AbsolutePageCount = PageCount = pageCount;
            page.FirstPage = AbsolutePageNo == 1;
            page.LastPage = AbsolutePageNo == pageCount;
            page.Final = true;
            auto* line = new TppDrawLine(&page);
            line->SetBox(10000, 10000 * AbsolutePageNo, 50000, 1000);
            page.AddDrawCommand(line);
            ++generated;
            if (OnReportEndPage)
                OnReportEndPage();
            publisher.AcceptPage(page);
        }
    }
    void Reset() override {
        TppCustomEngine::Reset();
        ++resets;
    }

    // Where the real engine lets pending window messages through.
    std::function<void()> BetweenPages;
    int pageCount = 5;
    int throwOnPage = 0;
    int generated = 0;
    int resets = 0;
};

// A report whose engine is the fake.
class FakeEngineReport : public TppCustomReport {
public:
    using TppCustomReport::TppCustomReport;
    FakeEngine& engine() { return *static_cast<FakeEngine*>(Engine()); }

protected:
    TppCustomEngine* CreateEngine() override { return new FakeEngine(); }
};
