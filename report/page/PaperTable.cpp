#include "PaperTable.h"

#include <array>

namespace {

struct Row {
    int code;
    const char* name;
    int width;
    int height;
};

// The paper codes printer drivers report, with the names and sizes drivers
// have always shown for them; inch sizes are converted to tenths of a
// millimetre and rounded. Codes 48 and 49 were never assigned. The names are
// kept exactly as users have seen them, odd spellings included.
constexpr std::array kPapers{
    Row{1, "Letter 8 1/2 x 11 in", 2159, 2794},
    Row{2, "Letter Small 8 1/2 x 11 in", 2159, 2794},
    Row{3, "Tabloid 11 x 17 in", 2794, 4318},
    Row{4, "Ledger 17 x 11 in", 4318, 2794},
    Row{5, "Legal 8 12 x 14 in", 2159, 3556},
    Row{6, "Statement 5 1/2 x 8 1/2 in", 1397, 2159},
    Row{7, "Executive 7 1/4 x 10 1/2 in", 1842, 2667},
    Row{8, "A3 297 x 420 mm", 2970, 4200},
    Row{9, "A4 210 x 297 mm", 2100, 2970},
    Row{10, "A4 Small 210 x 297 mm", 2100, 2970},
    Row{11, "A5 148 x 210 mm", 1480, 2100},
    Row{12, "B4 (JIS) 250 x 354", 2500, 3540},
    Row{13, "B5 (JIS) 182 x 257 mm", 1820, 2570},
    Row{14, "Folio 8 1/2 x 13 in", 2159, 3302},
    Row{15, "Quarto 215 x 275 mm", 2150, 2750},
    Row{16, "10x14 in", 2540, 3556},
    Row{17, "11x17 in", 2794, 4318},
    Row{18, "Note 8 1/2 x 11 in", 2159, 2794},
    Row{19, "Envelope #9 3 7/8 x 8 7/8", 984, 2254},
    Row{20, "Envelope #10 4 18 x 9 1/2", 1048, 2413},
    Row{21, "Envelope #11 4 1/2 x 10 3/8", 1143, 2635},
    Row{22, "Envelope #12 4 3/4 x 11", 1207, 2794},
    Row{23, "Envelope #14 5 x 11 1/2", 1270, 2921},
    Row{24, "C size sheet", 4318, 5588},
    Row{25, "D size sheet", 5588, 8636},
    Row{26, "E size sheet", 8636, 11176},
    Row{27, "Envelope DL 110 x 220mm", 1100, 2200},
    Row{28, "Envelope C5 162 x 229 mm", 1620, 2290},
    Row{29, "Envelope C3  324 x 458 mm", 3240, 4580},
    Row{30, "Envelope C4  229 x 324 mm", 2290, 3240},
    Row{31, "Envelope C6  114 x 162 mm", 1140, 1620},
    Row{32, "Envelope C65 114 x 229 mm", 1140, 2290},
    Row{33, "Envelope B4  250 x 353 mm", 2500, 3530},
    Row{34, "Envelope B5  176 x 250 mm", 1760, 2500},
    Row{35, "Envelope B6  176 x 125 mm", 1760, 1250},
    Row{36, "Envelope 110 x 230 mm", 1100, 2300},
    Row{37, "Envelope Monarch 3.875 x 7.5 in", 984, 1905},
    Row{38, "6 3/4 Envelope 3 5/8 x 6 1/2 in", 921, 1651},
    Row{39, "US Std Fanfold 14 7/8 x 11 in", 3778, 2794},
    Row{40, "German Std Fanfold 8 1/2 x 12 in", 2159, 3048},
    Row{41, "German Legal Fanfold 8 1/2 x 13 in", 2159, 3302},
    Row{42, "B4 (ISO) 250 x 353 mm", 2500, 3530},
    Row{43, "Japanese Postcard 100 x 148 mm", 1000, 1480},
    Row{44, "9 x 11 in", 2286, 2794},
    Row{45, "10 x 11 in", 2540, 2794},
    Row{46, "15 x 11 in", 3810, 2794},
    Row{47, "Envelope Invite 220 x 220 mm", 2200, 2200},
    Row{50, "Letter Extra 9 1/2 x 12 in", 2413, 3048},
    Row{51, "Legal Extra 9 1/2 x 15 in", 2413, 3810},
    Row{52, "Tabloid Extra 11.69 x 18 in", 2969, 4572},
    Row{53, "A4 Extra 9.27 x 12.69 in", 2355, 3223},
    Row{54, "Letter Transverse 8 1/2 x 11 in", 2159, 2794},
    Row{55, "A4 Transverse 210 x 297 mm", 2100, 2970},
    Row{56, "Letter Extra Transverse 9 1/2 x 12 in", 2413, 3048},
    Row{57, "SuperA/SuperA/A4 227 x 356 mm", 2270, 3560},
    Row{58, "SuperB/SuperB/A3 305 x 487 mm", 3050, 4870},
    Row{59, "Letter Plus 8.5 x 12.69 in", 2159, 3223},
    Row{60, "A4 Plus 210 x 330 mm", 2100, 3300},
    Row{61, "A5 Transverse 148 x 210 mm", 1480, 2100},
    Row{62, "B5 (JIS) Transverse 182 x 257 mm", 1820, 2570},
    Row{63, "A3 Extra 322 x 445 mm", 3220, 4450},
    Row{64, "A5 Extra 174 x 235 mm", 1740, 2350},
    Row{65, "B5 (ISO) Extra 201 x 276 mm", 2010, 2760},
    Row{66, "A2 420 x 594 mm", 4200, 5940},
    Row{67, "A3 Transverse 297 x 420 mm", 2970, 4200},
    Row{68, "A3 Extra Transverse 322 x 445 mm", 3220, 4450},
};

} // namespace

StandardPaper standardPaper(int code) {
    if (code == kCustomPaperCode)
        return {QStringLiteral("Custom"), 0, 0};
    for (const Row& row : kPapers)
        if (row.code == code)
            return {QString::fromLatin1(row.name), row.width, row.height};
    return {QStringLiteral("Unknown"), 0, 0};
}
