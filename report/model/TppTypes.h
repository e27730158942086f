#pragma once

// Enumerations shared by the report engine's layers. Their order is part of the
// stored format: templates and scripts hold these values by ordinal or by name.
// Each has an int underlying type, so an ordinal read from a damaged template
// is a value code can test and refuse, not undefined behaviour.

enum TppUnitType : int { utScreenPixels, utInches, utMillimeters, utPrinterPixels, utMMThousandths };

enum TppTextAlignment : int { taLeftJustified, taRightJustified, taCentered, taFullJustified };

enum TppPrintHeightType : int { phStatic, phDynamic };

enum TppPassSettingType : int { psOnePass, psTwoPass };

enum TppNoDataBehavior : int { ndMessageDialog, ndMessageOnPage, ndBlankPage, ndBlankReport };

enum TppDataType : int {
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

enum TppRangeBeginType : int { rbFirstRecord, rbLastRecord, rbCurrentRecord };

enum TppRangeEndType : int { reFirstRecord, reLastRecord, reCurrentRecord, reCount };

enum TppBreakType : int { btDataField, btCustomField };

enum TppSortOrderType : int { soAscending, soDescending };

enum TppCollationType : int { ctANSI, ctASCII };

enum TppColumnTraversalType : int { ctTopToBottom, ctLeftToRight };

enum TppPrintBehaviorType : int { pbChild, pbSection, pbFixed };

enum TppPageSettingType : int { psAll, psPageList, psSinglePage, psFirstPage, psLastPage, psPageRange };

enum TppPageRangeType : int { prAll, prOddPages, prEvenPages };

enum TppZoomSettingType : int { zsWholePage, zsPageWidth, zs100Percent, zsPercentage };

enum TppFileType : int { ftComma, ftTab, ftFixedLength, ftCustom };

// Field alignment as a dataset describes it.
enum TppFieldAlignment : int { taLeftJustify, taRightJustify, taCenter };

// Record-state flags of a pipeline, read by the engine and by scripts.
enum TppRecordState : unsigned { FirstRecord = 1, LastRecord = 2, NoRecords = 4 };

// Band type codes, stored per component as "BandType".
enum TppBandTypeCode : int {
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
