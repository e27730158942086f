#include "TppHorizontalBandEngine.h"

#include "TppBand.h"
#include "TppEngine.h"

#include <algorithm>

void TppHorizontalBandEngine::PrepareBand() {
    TppDetailBandEngine::PrepareBand();
    callLeft_ = engine_.PrintPosition.Left;
}

void TppHorizontalBandEngine::StartBandPass() {
    TppDetailBandEngine::StartBandPass();
    const int columns = engine_.ColumnCount();
    const int top = engine_.PrintPosition.Top;
    if (!engine_.DetailOnPage) {
        engine_.CurrentColumn = 0;
        columnHeaderTop_ = -1;
        rowTop_ = top;
    } else if (top > rowTop_ + band_.mmHeight()) {
        // Other bands printed below the row (a group broke): a new row.
        engine_.CurrentColumn = 0;
        rowTop_ = top;
    } else if (engine_.CurrentColumn < columns - 1) {
        ++engine_.CurrentColumn;
    } else {
        engine_.CurrentColumn = 0;
        rowTop_ += band_.mmHeight() + band_.mmBottomOffset();
    }
    engine_.PrintPosition.Top = engine_.PrintPosition.Bottom = rowTop_;
    if (!engine_.ColumnOpened[size_t(engine_.CurrentColumn)])
        openColumn(engine_.CurrentColumn);
}

void TppHorizontalBandEngine::openColumn(int column) {
    const TppPrintRect saved = engine_.PrintPosition;
    if (columnHeaderTop_ < 0)
        columnHeaderTop_ = saved.Top;
    engine_.PrintPosition.Top = engine_.PrintPosition.Bottom = columnHeaderTop_;
    engine_.PrintPosition.Left = engine_.ColumnLeft(column);
    engine_.PrintableKinds |= bkColumnHeader;
    engine_.FireColumnEvent(true);
    engine_.GenerateColumnBands(blColumnHeader);
    engine_.PrintableKinds &= ~unsigned(bkColumnHeader);
    const int headerBottom = engine_.PrintPosition.Top;
    engine_.PrintPosition = saved;
    // The rows start below the column headers.
    rowTop_ = std::max(rowTop_, headerBottom);
    engine_.PrintPosition.Top = engine_.PrintPosition.Bottom = rowTop_;
}

void TppHorizontalBandEngine::closeColumn(int column) {
    const TppPrintRect saved = engine_.PrintPosition;
    engine_.PrintPosition.Left = engine_.ColumnLeft(column);
    engine_.PrintableKinds |= bkColumnFooter;
    engine_.GenerateColumnBands(blColumnFooter);
    engine_.FireColumnEvent(false);
    engine_.PrintableKinds &= ~unsigned(bkColumnFooter);
    engine_.PrintPosition = saved;
    engine_.ColumnClosed[size_t(column)] = true;
}

void TppHorizontalBandEngine::CheckBandSpace() {
    band_.PageBottom = engine_.PageBottom() - band_.mmBottomOffset();
    StartingPosition = engine_.PrintPosition.Top;
    fitTest(band_.mmHeight());
    if (band_.OutOfSpace)
        return;
    band_.PrintRect = {engine_.ColumnLeft(engine_.CurrentColumn), StartingPosition,
                       engine_.PrintPosition.Right, StartingPosition + band_.mmHeight()};
    band_.CurrentPosition = StartingPosition;
}

void TppHorizontalBandEngine::AdvancePrintPosition() {
    // The next record goes into the next column of the same row.
    band_.SpaceUsed = band_.mmHeight() + band_.mmBottomOffset();
    if (engine_.CurrentColumn == 0)
        engine_.UseSpaceTo(band_.PrintRect.Top + band_.SpaceUsed);
}

void TppHorizontalBandEngine::EndBandPass() {
    const bool printed = generatedThisPass_;
    const int column = engine_.CurrentColumn;
    if (printed) {
        engine_.ColumnOpened[size_t(column)] = true;
        if (IsVisible() && band_.PageBottom < band_.PrintRect.Bottom + band_.mmHeight())
            closeColumn(column);
    }
    TppDetailBandEngine::EndBandPass();
}

void TppHorizontalBandEngine::EndBandGeneration() {
    engine_.PrintPosition.Left = callLeft_;
    if (Count > 0)
        engine_.PrintPosition.Top = engine_.PrintPosition.Bottom = band_.PrintRect.Bottom;
}

void TppHorizontalBandEngine::PageEnded() {
    if ((engine_.HasStatus(esTitle) || engine_.HasStatus(esSummary)) && Count == 0)
        return;
    // Every column of the page gets its footer, also one that no record reached: the footers
    // frame the page's columns, not only the filled ones.
    const int current = engine_.CurrentColumn;
    for (int column = 0; column < engine_.ColumnCount(); ++column) {
        if (!engine_.ColumnClosed[size_t(column)]) {
            engine_.CurrentColumn = column;
            closeColumn(column);
        }
    }
    engine_.CurrentColumn = current;
}
