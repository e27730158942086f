#pragma once

// Event kinds broadcast by report objects to their subscribers (0..255).
enum TppEventKind {
    ciBandAfterPrint = 23,
    ciBandBeforePrint = 24,
    ciBandAfterGenerate = 25,
    ciBandBeforeGenerate = 26,
    ciGroupAfterBreak = 27,
    ciGroupBeforeBreak = 28,
    ciGroupBeforeHeader = 29,
    ciGroupBeforeFooter = 30,
    ciGroupGetBreakValue = 31,
    ciPrintableOnPrint = 32,
    ciPipelineDataSetChange = 36,
    ciPipelineRecordPositionChange = 37,
    ciPipelineMasterRecordPositionChange = 38,
    ciPipelineTraversal = 39,
    ciPipelineGotoBookmark = 40,
    ciPipelineDataChange = 41,
    ciPipelineFirst = 42,
    ciPipelineNext = 43,
    ciPipelinePrior = 44,
    ciPipelineLast = 45,
    ciPipelineOpen = 46,
    ciPipelineClose = 47,
    ciTextGetText = 53,
    ciGroupBreakReset = 68,
    ciDBImageGetPicture = 69,
    ciPipelineClosing = 73,
    ciPrintableDrawCommandCreate = 84,
    ciPrintableDrawCommandClick = 85,
    ciDBMemoGetMemo = 86
};

inline constexpr int kEventKindCount = 256;
