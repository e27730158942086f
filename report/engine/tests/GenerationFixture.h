#pragma once

#include "BandPass.h"
#include "FixedPageReport.h"
#include "TppComponentPass.h"
#include "TppCustomComponent.h"
#include "TppDetailBand.h"
#include "TppDrawShape.h"
#include "TppPage.h"
#include "TppStretchable.h"

#include <algorithm>

// A report that answers what generation asks of the engine.
class GenerationReport : public FixedPageReport {
public:
    using FixedPageReport::FixedPageReport;
    void ProcessMessages() override { ++pumps; }
    bool GenerationStopped() const override { return stopped; }
    bool PageHasContent() const override { return pageHasContent; }
    int pumps = 0;
    bool stopped = false;
    bool pageHasContent = false;
};

// A fixed-size component that draws its box.
class TestBox : public TppCustomComponent {
public:
    using TppCustomComponent::TppCustomComponent;
    const ClassInfo* CommandClass() const override { return &TppDrawShape::staticClassInfo(); }
};

// A stretchable holding `content` units of height: it fills its box down to
// the page bottom and carries the rest to the next page, as a memo does with
// lines. Outside stretching mode it keeps its design height.
class TestBlock : public TppStretchable {
public:
    using TppStretchable::TppStretchable;
    const ClassInfo* CommandClass() const override { return &TppDrawShape::staticClassInfo(); }
    void InitForReport() override {
        TppStretchable::InitForReport();
        remaining = content;
    }
    void MeasureContent() override {
        if (!StretchingMode())
            return;
        const int used = std::min(remaining, std::max(0, PageBottom - PrintRect.Top));
        remaining -= used;
        SpaceUsed = used;
        OverFlow = remaining > 0;
    }
    int content = 0;
    int remaining = 0;
};

// A detail band on a report, and the band engine's part of a pass: place the
// band at `top` with the page bottom at `bottom`, walk the components, draw
// them on a fresh page.
class GenerationFixture {
public:
    GenerationFixture() {
        band->SetReport(report);
        band->SetmmHeight(10000);
    }

    template <class T> T* add(int left, int top, int width, int height) {
        auto* component = new T(&form);
        component->SetBand(band);
        component->SetBounds(left, top, width, height);
        return component;
    }

    void startReport() { pass.InitForReport(); }

    // One pass of the band over a page; returns the page drawn.
    TppPage& runPass(int top = 20000, int bottom = 200000) {
        return runBandPass(pass, *band, page, top, bottom);
    }

    OwnedComponent form;
    GenerationReport* report = new GenerationReport(&form);
    TppDetailBand* band = new TppDetailBand(&form);
    TppComponentPass pass{*band};
    TppPage page;
};
