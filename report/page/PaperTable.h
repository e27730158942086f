#pragma once

#include <QString>

// Printers identify papers by numeric codes; 256 is a size the user defines.
inline constexpr int kCustomPaperCode = 256;

// A paper of the standard table: its name and portrait size in tenths of a
// millimetre. Codes without an entry are "Unknown" with size 0 x 0.
struct StandardPaper {
    QString name;
    int width = 0;
    int height = 0;
};

StandardPaper standardPaper(int code);
