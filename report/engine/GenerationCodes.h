#pragma once

// Kind codes of bands. The engine keeps a set of them, PrintableKinds; a
// band may print only while that set shares a code with its own.
enum TppBandKind : unsigned {
    bkTitle = 1,
    bkSummary = 2,
    bkHeader = 4,
    bkFooter = 8,
    bkColumnHeader = 16,
    bkColumnFooter = 32,
    bkGroupHeader = 64,
    bkGroupFooter = 128,
    bkDetail = 256
};

// What the engine is doing, kept between page requests of one run. The pass is not among these:
// the engine's TppPassState keeps it.
enum TppEngineStatus : unsigned {
    esStarted = 1,  // a run is in progress
    esNoData = 8,   // the report has no records to print
    esTitle = 16,   // the title band is printing
    esSummary = 32, // the summary band is printing
    // A subreport printing as a section of pages of its own: it has asked
    // for a page break, its pages are being made, or its last page is the
    // page being made.
    esSectionStart = 64,
    esSectionGenerate = 128,
    esSectionEnd = 256
};

// The engine's band lists, in the order a page walks them.
enum TppBandList : int {
    blPageStyle,
    blHeader,
    blTitle,
    blColumnHeader,
    blGroupHeader,
    blDetail,
    blGroupFooter,
    blSummary,
    blColumnFooter,
    blFooter,
    blCount
};
