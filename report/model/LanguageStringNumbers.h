#pragma once

// The numbers of the language strings the code asks for by number (identifier 43000 + n), named
// after what they say. The texts are in the default table (DefaultLanguageStrings.cpp); a
// language module may replace them, never renumber them: stored modules key their texts by these
// numbers. The barcode refusals (BarCodeMessages.h) and the script compiler's messages
// (TraCompilerMessages.cpp) are named where they are used.

// The preview: its buttons, its status line and its window.
inline constexpr int kMsgZoom100 = 1;         // "100 %"
inline constexpr int kMsgAccessingData = 2;   // "Accessing data..."
inline constexpr int kMsgCalculatingPage = 4; // "Calculating page <page> for report <documentname>"
inline constexpr int kMsgCancel = 5;          // "Cancel"
inline constexpr int kMsgDrawingPage = 10;    // "Drawing page <page> of <pagecount> for report ..."
inline constexpr int kMsgFirstPage = 13;      // "First Page"
inline constexpr int kMsgLastPage = 14;       // "Last Page"
inline constexpr int kMsgNextPage = 15;       // "Next Page"
inline constexpr int kMsgOf = 16;             // "of", as in "Page 3 of 10"
inline constexpr int kMsgPage = 18;           // "Page"
inline constexpr int kMsgPrint = 22;          // "Print"
inline constexpr int kMsgPrintPreview = 23;   // "Print Preview"
inline constexpr int kMsgPriorPage = 29;      // "Prior Page"
inline constexpr int kMsgWholePage = 30;      // "Whole Page"
inline constexpr int kMsgPageWidth = 31;      // "Page Width"
inline constexpr int kMsgSearchData = 1021;   // "Search Data"

// Printing: the print, cancel and no-data dialogs and the printer's status line.
inline constexpr int kMsgAll = 3;                // "All"
inline constexpr int kMsgCopies = 7;             // "Copies"
inline constexpr int kMsgNoPrinters = 8;         // "There are no printers connected to your computer."
inline constexpr int kMsgCurrentPage = 9;        // "Current Page"
inline constexpr int kMsgPageListHint = 11;      // "Enter page numbers and/or page ranges ..."
inline constexpr int kMsgOK = 17;                // "OK"
inline constexpr int kMsgPageRange = 19;         // "Page Range"
inline constexpr int kMsgPages = 20;             // "Pages"
inline constexpr int kMsgPrinting = 24;          // "Printing"
inline constexpr int kMsgPrinter = 25;           // "Printer"
inline constexpr int kMsgPrintToFile = 26;       // "Print to File"
inline constexpr int kMsgPrintingPage = 27;      // "Printing page <page> for report <documentname> on ..."
inline constexpr int kMsgPrintingPageOf = 28;    // "Printing page <page> of <pagecount> for report ..."
inline constexpr int kMsgNoPagesEntered = 32;    // "No pages entered."
inline constexpr int kMsgFileNameNeeded = 33;    // "Please specify file name before continuing."
inline constexpr int kMsgProperties = 1013;      // "&Properties"
inline constexpr int kMsgCollate = 1015;         // "Colla&te"
inline constexpr int kMsgAllPagesInRange = 1017; // "All pages in range"
inline constexpr int kMsgOddPages = 1018;        // "Odd pages"
inline constexpr int kMsgEvenPages = 1019;       // "Even pages"
inline constexpr int kMsgNoDataForReport = 1035; // "No data found for this report."

// Calculations: the names of the kinds, "Count" first, in the order of TppDBCalcType.
inline constexpr int kMsgCalcCount = 1028; // "Count", then "Sum", "Minimum", "Maximum", "Average"

// Template dialogs.
inline constexpr int kMsgAs = 38;                    // "As", as in "Save As"
inline constexpr int kMsgName = 39;                  // "Name"
inline constexpr int kMsgOpen = 361;                 // "Open"
inline constexpr int kMsgSave = 362;                 // "Save"
inline constexpr int kMsgIgnore = 416;               // "&Ignore"
inline constexpr int kMsgIgnoreAll = 417;            // "Ignore &All"
inline constexpr int kMsgErrorReadingTemplate = 418; // "Error Reading Template"
inline constexpr int kMsgReplaceReport = 494;        // "Replace existing report?"
inline constexpr int kMsgAlreadyExists = 523;        // "<name> already exists."

// Generation and its errors.
inline constexpr int kMsgCouldNotOpenDataSet = 40;      // "Could not open DataSet."
inline constexpr int kMsgColumnNotConverted = 42;       // "Unable to convert position for column ..."
inline constexpr int kMsgColumnNotFound = 43;           // "Unable to find position for column ..."
inline constexpr int kMsgCannotOpenFile = 67;           // "Unable to open file: <filename>."
inline constexpr int kMsgNoDiskSpace = 284;             // "Not enough disk space to print report."
inline constexpr int kMsgInvalidImage = 290;            // "Invalid Image."
inline constexpr int kMsgEmptyBandHasComponents = 296;  // "Invalid value: Zero height band ..."
inline constexpr int kMsgBandHigherThanPage = 297;      // "Invalid value: Height of band cannot ..."
inline constexpr int kMsgGroup = 331;                   // "Group"
inline constexpr int kMsgCyclicShiftRelativeTo = 342;   // "Cyclic assignment of ShiftRelativeTo ..."
inline constexpr int kMsgRichTextNotLoaded = 414;       // "Error loading rich text."
inline constexpr int kMsgPrintPositionBeyondPage = 415; // "PrintPosition exceeds available page space"
inline constexpr int kMsgCannotGenerate = 1023;         // "Cannot generate report."
inline constexpr int kMsgNoDataFound = 1034;            // "No Data Found"
inline constexpr int kMsgBandDoesNotFit = 1150;         // "The band <name> does not fit on a page."

// The designer's page setup, when a narrower page or column leaves controls outside.
inline constexpr int kMsgControlsBeyondColumnWidth =
    292; // "Controls beyond the new column width will be deleted."
inline constexpr int kMsgControlsBeyondPageWidth =
    328; // "Controls beyond the new page width will be deleted."

// Scripts: the code module and the categories of the built-in routines.
inline constexpr int kMsgCategoryConversion = 924; // "Conversion"
inline constexpr int kMsgCouldNotCompile = 925;    // "Could not compile program: <name>"
inline constexpr int kMsgCouldNotRun = 926;        // "Could not run program: <name>"
inline constexpr int kMsgCategoryDateTime = 928;   // "DateTime"
inline constexpr int kMsgCategoryFormat = 939;     // "Format"
inline constexpr int kMsgCategoryMath = 950;       // "Math"
inline constexpr int kMsgReportCodeFile = 969;     // "Report Code file"
inline constexpr int kMsgCategoryString = 975;     // "String"

// The report outline: its entries, the preview's tree and the settings dialog.
inline constexpr int kMsgMainReport = 374;            // "Main", the main report's description
inline constexpr int kMsgMain = 1040;                 // "Main", an entry without a caption
inline constexpr int kMsgHideOutline = 1041;          // "Hide Outline"
inline constexpr int kMsgShowOutline = 1042;          // "Show Outline"
inline constexpr int kMsgExpandOutline = 1043;        // "Expand Outline"
inline constexpr int kMsgCollapseOutline = 1044;      // "Collapse Outline"
inline constexpr int kMsgOutlineMore = 1045;          // "...more..."
inline constexpr int kMsgOutlineSettings = 1141;      // "Outline Settings"
inline constexpr int kMsgCreateNodesFor = 1142;       // "Create Nodes For Components:"
inline constexpr int kMsgOutlinePreview = 1143;       // "Outline Preview:"
inline constexpr int kMsgOutlineEnabled = 1144;       // "Enabled"
inline constexpr int kMsgCreatePageNodes = 1145;      // "Create Page Nodes"
inline constexpr int kMsgEntireReport = 1147;         // "Entire Report"
inline constexpr int kMsgPageLimit = 1148;            // "Page Limit:"
inline constexpr int kMsgOutlinePreviewFailed = 1149; // "Can't generate report. Preview is not available."
