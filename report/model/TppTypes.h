#pragma once

// Enumerations shared by the report engine's layers. Their order is part of the
// stored format: templates and scripts hold these values by ordinal or by name.

enum TppUnitType { utScreenPixels, utInches, utMillimeters, utPrinterPixels, utMMThousandths };

enum TppTextAlignment { taLeftJustified, taRightJustified, taCentered, taFullJustified };

enum TppPrintHeightType { phStatic, phDynamic };

enum TppPassSettingType { psOnePass, psTwoPass };

enum TppNoDataBehavior { ndMessageDialog, ndMessageOnPage, ndBlankPage, ndBlankReport };

enum TppDataType {
    dtBoolean,
    dtDate,
    dtTime,
    dtDateTime,
    dtInteger,
    dtSingle,
    dtDouble,
    dtExtended,
    dtCurrency,
    dtChar,
    dtString,
    dtVariant,
    dtLongint,
    dtBLOB,
    dtMemo,
    dtGraphic,
    dtNotKnown,
    dtLargeInt
};

enum TppRangeBeginType { rbFirstRecord, rbLastRecord, rbCurrentRecord };

enum TppRangeEndType { reFirstRecord, reLastRecord, reCurrentRecord, reCount };

enum TppBreakType { btDataField, btCustomField };

enum TppSortOrderType { soAscending, soDescending };

enum TppCollationType { ctANSI, ctASCII };

enum TppColumnTraversalType { ctTopToBottom, ctLeftToRight };

enum TppPrintBehaviorType { pbChild, pbSection, pbFixed };

enum TppPageSettingType { psAll, psPageList, psSinglePage, psFirstPage, psLastPage, psPageRange };

enum TppPageRangeType { prAll, prOddPages, prEvenPages };

enum TppZoomSettingType { zsWholePage, zsPageWidth, zs100Percent, zsPercentage };

enum TppFileType { ftComma, ftTab, ftFixedLength, ftCustom };

// Field alignment as a dataset describes it.
enum TppFieldAlignment { taLeftJustify, taRightJustify, taCenter };

// Record-state flags of a pipeline, read by the engine and by scripts.
enum TppRecordState : unsigned { FirstRecord = 1, LastRecord = 2, NoRecords = 4 };

// Band type codes, stored per component as "BandType".
enum TppBandTypeCode {
    btHeader,
    btTitle,
    btColumnHeader,
    btGroupHeader,
    btDetail,
    btGroupFooter,
    btColumnFooter,
    btSummary,
    btFooter,
    btPageStyle
};
