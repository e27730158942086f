#include "TppHorizontalBandEngine.h"

#include "BandHost.h"
#include "TppBand.h"

#include <algorithm>

void TppHorizontalBandEngine::PrepareBand() {
    TppDetailBandEngine::PrepareBand();
    callLeft_ = engine_.Position().Left;
}

void TppHorizontalBandEngine::StartBandPass() {
    TppDetailBandEngine::StartBandPass();
    const int columns = engine_.ColumnCount();
    const int top = engine_.Position().Top;
    if (!engine_.DetailOnThisPage()) {
        engine_.SetColumn(0);
        columnHeaderTop_ = -1;
        rowTop_ = top;
    } else if (top > rowTop_ + band_.mmHeight()) {
        // Other bands printed below the row (a group broke): a new row.
        engine_.SetColumn(0);
        rowTop_ = top;
    } else if (engine_.Column() < columns - 1) {
        engine_.SetColumn(engine_.Column() + 1);
    } else {
        engine_.SetColumn(0);
        rowTop_ += band_.mmHeight() + band_.mmBottomOffset();
    }
    engine_.Position().Top = engine_.Position().Bottom = rowTop_;
    if (!engine_.IsColumnOpened(engine_.Column()))
        openColumn(engine_.Column());
}

void TppHorizontalBandEngine::openColumn(int column) {
    const TppPrintRect saved = engine_.Position();
    if (columnHeaderTop_ < 0)
        columnHeaderTop_ = saved.Top;
    engine_.Position().Top = engine_.Position().Bottom = columnHeaderTop_;
    engine_.Position().Left = engine_.ColumnLeft(column);
    engine_.SetPrintable(bkColumnHeader, true);
    engine_.FireColumnEvent(true);
    engine_.GenerateColumnBands(blColumnHeader);
    engine_.SetPrintable(bkColumnHeader, false);
    const int headerBottom = engine_.Position().Top;
    engine_.Position() = saved;
    // The rows start below the column headers.
    rowTop_ = std::max(rowTop_, headerBottom);
    engine_.Position().Top = engine_.Position().Bottom = rowTop_;
}

void TppHorizontalBandEngine::closeColumn(int column) {
    const TppPrintRect saved = engine_.Position();
    engine_.Position().Left = engine_.ColumnLeft(column);
    engine_.SetPrintable(bkColumnFooter, true);
    engine_.GenerateColumnBands(blColumnFooter);
    engine_.FireColumnEvent(false);
    engine_.SetPrintable(bkColumnFooter, false);
    engine_.Position() = saved;
    engine_.MarkColumnClosed(column);
}

void TppHorizontalBandEngine::CheckBandSpace() {
    band_.PageBottom = engine_.PageBottom() - band_.mmBottomOffset();
    StartingPosition = engine_.Position().Top;
    fitTest(band_.mmHeight());
    if (band_.OutOfSpace)
        return;
    band_.PrintRect = {engine_.ColumnLeft(engine_.Column()), StartingPosition, engine_.Position().Right,
                       StartingPosition + band_.mmHeight()};
    band_.CurrentPosition = StartingPosition;
}

void TppHorizontalBandEngine::AdvancePrintPosition() {
    // The next record goes into the next column of the same row.
    band_.SpaceUsed = band_.mmHeight() + band_.mmBottomOffset();
    if (engine_.Column() == 0)
        engine_.UseSpaceTo(band_.PrintRect.Top + band_.SpaceUsed);
}

void TppHorizontalBandEngine::EndBandPass() {
    const bool printed = generatedThisPass_;
    const int column = engine_.Column();
    if (printed) {
        engine_.MarkColumnOpened(column);
        if (IsVisible() && band_.PageBottom < band_.PrintRect.Bottom + band_.mmHeight())
            closeColumn(column);
    }
    TppDetailBandEngine::EndBandPass();
}

void TppHorizontalBandEngine::EndBandGeneration() {
    engine_.Position().Left = callLeft_;
    if (Count > 0)
        engine_.Position().Top = engine_.Position().Bottom = band_.PrintRect.Bottom;
}

void TppHorizontalBandEngine::PageEnded() {
    if ((engine_.HasStatus(esTitle) || engine_.HasStatus(esSummary)) && Count == 0)
        return;
    // Every column of the page gets its footer, also one that no record reached: the footers
    // frame the page's columns, not only the filled ones.
    const int current = engine_.Column();
    for (int column = 0; column < engine_.ColumnCount(); ++column) {
        if (!engine_.IsColumnClosed(column)) {
            engine_.SetColumn(column);
            closeColumn(column);
        }
    }
    engine_.SetColumn(current);
}
