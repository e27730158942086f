#pragma once

#include "BandPass.h"
#include "BarCodeClasses.h"
#include "FakeTextMeasurer.h"
#include "FixedResolution.h"
#include "RecordingPrompter.h"
#include "TextMeasurer.h"
#include "TppComponentPass.h"
#include "TppDetailBand.h"
#include "TppPage.h"
#include "TppReport.h"

#include <QStringList>
#include <cmath>

// A report with one detail band for barcodes; messages are recorded. The
// band pass draws the band's components on `page` as the engine would.
class BarCodeReport {
public:
    BarCodeReport() {
        registerBarCodeClasses();
        report->SetWarningPrompter(&prompter);
        band->SetReport(report);
        band->SetmmHeight(80000);
    }

    template <class T> T* add(int left = 0, int top = 0) {
        auto* component = new T(&form);
        component->SetBand(band);
        component->SetBounds(left, top, component->mmWidth(), component->mmHeight());
        return component;
    }

    // Measures as the report's printer would, at `ppi` with proportional text.
    void measureAt(int ppi) {
        printer = FixedResolution(ppi);
        report->SetMeasuringPrinter(&printer);
        report->SetMeasurer(&measurer);
    }

    TppPage& drawBand(int top = 20000) {
        pass.InitForReport();
        return runBandPass(pass, *band, page, top, 270000);
    }

    RecordingPrompter prompter;
    // Text that scales exactly with its point size: a character is 0.6 of the size wide, a line
    // 1.2 of it high.
    FakeTextMeasurer measurer = FakeTextMeasurer::scaled(0.6, 1.2);
    FixedResolution printer{600};
    OwnedComponent form;
    TppReport* report = new TppReport(&form);
    TppDetailBand* band = new TppDetailBand(&form);
    TppComponentPass pass{*band};
    TppPage page;
};
