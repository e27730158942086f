#pragma once

#include <QIcon>

enum class PreviewGlyph {
    Printer,
    Search,
    FirstPage,
    PriorPage,
    NextPage,
    LastPage,
    WholePage,
    PageWidth,
    Zoom100
};

// The preview toolbar's glyphs, drawn by code so that no image files ship.
QIcon previewGlyph(PreviewGlyph glyph);
