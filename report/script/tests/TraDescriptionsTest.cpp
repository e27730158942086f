#include "ScriptedReport.h"
#include "TraRTTI.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Every member scripts may name on each class, as older tools' scripts use
// them; the published ones come from the class registry, the rest from the
// hand-written descriptions.
const struct {
    const char* className;
    const char* members;
} kDescribedMembers[] = {
    // Bands keep their run-time state on TppBand itself. Barcodes live above the
    // scripts and publish all their members; their classes are not registered here.
    {"TObject", "ClassName Create Free"},
    {"TComponent", "Owner Create"},
    {"TppPrinterSetup",
     "Active BinNames PaperNames PrinterDescription PrinterNames PrinterInfo PageDef PrintableHeight "
     "PrintableWidth Units BinName Collation Copies DocumentName Duplex MarginBottom MarginLeft MarginRight "
     "MarginTop Orientation PaperHeight PaperName PaperWidth PrinterName"},
    {"TppCommunicator", "UserName"},
    {"TppRelative", "AllChildCount ChildCount ChildType FreeingChildren OrderedChildren Parent Position"},
    {"TppAutoSearchField",
     "DisableCriteria Value Values ValueCount FieldName FieldAlias DataType SearchOperator "
     "SearchExpression ShowAllValues Mandatory WildCard"},
    {"TppCustomMemo",
     "Text CharWrap Color Leading Lines MemoStream mmLeading PrintLines spLeading TabStopPositions"},
    {"TppDBMemo", "OnGetMemo Lines AutoDisplay"},
    {"TppBandedReport", "ColumnHeader ColumnFooter Title Header Detail Footer Summary GroupHeader "
                        "GroupFooter ColumnHeaderBand ColumnFooterBand TitleBand HeaderBand DetailBand "
                        "FooterBand SummaryBand GroupHeaderBand GroupFooterBand"},
    {"TppReport",
     "PreviewForm AutoSearchCriteriaByName CreateAutoSearchCriteria GetAutoSearchDescriptionLines "
     "BeforeAutoSearchDialogCreate AfterAutoSearchDialogCreate OnAutoSearchDialogClose OnGetAutoSearchValues "
     "OnOutlineNodeCreate ActiveReport AutoSearchDialog AutoSearchFields AutoSearchDescription "
     "AutoSearchFieldCount CacheManager CachePages GetAutoSearchDescriptionAsString"},
    {"TppPageBand", "PrintHeight"},
    {"TppReportBand", "NewPage"},
    {"TppFooterBand", "PrintHeight"},
    {"TppDetailBand", "BandsPerRecordCount BandsPerRecord DataPipeline PrintCount"},
    {"TppColumnFooterBand", "PrintHeight"},
    {"TppGroupBand", "Group Description Generation SaveGeneration"},
    {"TppGroupHeaderBand", "AlreadyPageBreak"},
    {"TppStretchable",
     "CurrentPosition mmBottomOffset mmOverFlowOffset KeepTogether KeptTogether PageBottom PartialAdjustment "
     "PartialGeneration ShifterCount ShiftRelativeTo mmStopPosition Stretch"},
    {"TppCustomText",
     "OnFormat OnGetText Text AutoSize CharWrap Color Description SaveOrder Save SaveLength Transparent"},
    {"TppCustomImage", "Center DirectDraw MaintainAspectRatio Stretch Transparent"},
    {"TppDBImage", "OnGetPicture"},
    {"TppCustomGraphic", "Brush"},
    {"TppLine", "Position Style"},
    {"TppShape", "Shape"},
    {"TppDBText", "FieldValue AlreadyPrinted BlankWhenZero FirstPage PriorValue PriorValueSame "
                  "ReprintOnSubsequent SuppressRepeatedValues"},
    {"TppDBCalc", "Value Clear GetLookAheadKey GetLookAheadValue Divisor DBCalcType OnCalc"},
    {"TppCustomRichText",
     "FindText LoadFromFile LoadFromRTFStream SaveToFile SaveToRTFStream PlainText EndCharPos RichText "
     "RichTextStream StartCharPos Paragraph SelAttributes SelLength SelStart SelText"},
    {"TppDBRichText", "AutoDisplay"},
    {"TppVariable", "OldOnCalc AsBoolean AsChar AsCurrency AsDateTime AsDate AsDouble AsExtended AsInteger "
                    "AsSingle AsString AsTime Value OnCalc OnReset CalcOrder CalcComponent CalcType DataType "
                    "ResetComponent ResetType"},
    {"TppSystemVariable", "VarType"},
    {"TppPrintable",
     "OnDrawCommandCreate OnDrawCommandClick OnPrint Alignment AutoSize Caption DataField DataPipeline "
     "DefaultPropHint DefaultPropName DefaultPropEditType Description DesignControl DrawComponent Font "
     "GenerationComplete Height Left LookupPipeline mmLeft mmHeight mmTop mmWidth OutOfSpace OverFlow "
     "ParentHeight ParentWidth ReprintOnOverFlow ResetOnCompute SelectionObject ShiftWithParent SpaceUsed "
     "spLeft spHeight spTop spWidth StretchWithParent Text Units Visible Width WordWrap ZOrder"},
    {"TppTemplateDBSettings", "DataPipeline NameField TemplateField"},
    {"TppCustomTemplate", "DatabaseSettings Description Format Offset Owner SaveTo"},
    {"TppTemplate",
     "LoadFromDatabase LoadFromFile SaveToDatabase SaveToFile FileExtension FileFilter Root ReadOnly"},
    {"TppReportTemplate", "Report"},
    {"TppCacheable", "CacheCount CachePageCount CachePosition CacheRecordSize CacheStream"},
    {"TppDataPipeline",
     "FieldObjects FieldValues GetFieldValue FirstRecord LastRecord NoRecords OnRecordPositionChange "
     "OnMasterRecordPositionChange OnTraversal OnGotoBookmark OnDataChange OnFirst OnNext OnPrior OnLast "
     "OnOpen OnClose Fields Links Active DataTraversed DataView SkipWhenNoRecords TraversalCount Visible "
     "CurrentField FieldCount MasterDataPipeline LinkCount FieldName"},
    {"TppField", "AsDouble AsPicture AsString IsNull DataPipeline Value"},
    {"TppCustomReport",
     "AbsolutePageNo AbsolutePageCount Bands BandCount CurrentColumn FirstPass Groups GroupCount MainReport "
     "PageNo PageBandCount PageCount PrintDateTime ReportBandCount SecondPass Stop PageLimitReached "
     "OnPrintingComplete OnEndColumn OnEndFirstPass OnEndPage OnEndSecondPass OnNoData OnStartColumn "
     "OnStartFirstPass OnStartPage OnStartSecondPass AbsolutePage DonePrinting Engine GetBand mmColumnWidth "
     "Modified Page ParentReport ReportDesigner PrintingAsSubReport spColumnWidth AutoStop Columns "
     "ColumnPositions ColumnWidth DataPipeline PageLimit PassSetting SaveAsTemplate Template Units BandType "
     "GroupIndex"},
    {"TppSubReport", "Report CreateReport DrillDownExpanded Count CurrentExpansionKey CurrentReportKey "
                     "DrillDownComponent ExpandAll Expansions ExpansionCount NewPrintJob ParentPrinterSetup "
                     "PrintBehavior ResetPageNo TraverseAllData MasterReport"},
    {"TppBand",
     "Objects ObjectCount Report Variables VariableCount AfterPrint BeforePrint AfterGenerate BeforeGenerate "
     "Caption CaptionIndex DrawPage Height LastBand mmBottomOffset mmHeight mmPrintPosition mmTop mmWidth "
     "PrintHeight Save SaveCount Saves spHeight spTop spWidth Rank Units Visible"},
    {"TppGroup", "BreakNo FirstPage FooterBand HeaderBand Report AfterGroupBreak BeforeGroupBreak "
                 "BeforeHeader BeforeFooter OnGetBreakValue BreakComponent Breaking BreakName BreakType "
                 "BreakValue CurrentValue DataPipeline Description FirstColumn FirstPageNo GroupNo "
                 "HeaderForOrphanedFooter KeepTogether KeptTogether LastPageNo mmNewColumnThreshold "
                 "mmNewPageThreshold NewColumn NewColumnThreshold NewPage NewPageThreshold Position PageNo "
                 "PageCount PriorValue ReprintOnSubsequentColumn ReprintOnSubsequentPage ResetPageNo Units"},
    {"TppComponent",
     "Band BandType NextSibling ParentIndex GroupNo Parent ParentDataPipeline Region ResetGroup"},
    {"TppDrawText", ""},
    {"TppDrawCommand", "Page Clickable RedrawPage"},
    {"TppPage", "RemoveDrawCommand"},
    {"TppProducer",
     "AfterPrint BeforePrint OnCancel OnCancelDialogCreate OnCancelDialogClose OnPreviewFormCreate "
     "OnPreviewFormClose OnPrintDialogCreate OnPrintDialogClose OnSaveText AllowPrintToArchive "
     "AllowPrintToFile ArchiveFileName Cancel CancelDialog Converted ConvertedFromPre40 CurrentPage "
     "DeviceType EnableProcessMessages FileDevice Icon Language LanguageIndex ModalCancelDialog ModalPreview "
     "PreviewForm PrinterSetup Printer PrintDialog Printing Producing PrinterDevice Publisher "
     "SavePrinterSetup ShowAutoSearchDialog ShowCancelDialog ShowPrintDialog TextFileName Version VersionNo "
     "Text"},
    {"TppDBPipeline", "AutoCreateFields MoveBy RangeEnd RangeEndCount RangeBegin DataSource CloseDataSource "
                      "OpenDataSource RefreshAfterPost"},
    {"TList", "Count Items Clear Delete Exchange IndexOf Insert Move Remove First Last"},
    {"TStrings",
     "Count Objects Strings Text Names Values AddObject AddStrings BeginUpdate Clear Delete EndUpdate Equals "
     "Exchange IndexOf IndexOfName IndexOfObject Insert InsertObject LoadFromFile Move SaveToFile Append"},
    {"TStringList", "Sorted Find Sort"},
    {"TFont", "Bold Italic Normal Underline Strikeout"},
    {"TPicture", "LoadFromFile SaveToFile SaveFromFile"},
    {"TGraphic", "LoadFromFile SaveToFile Empty Transparent"},
    {"TBitmap", "TransparentColor TransparentMode"},
    {"TCustomForm", "ModalResult"},
};

// What scripts of other tools may name that this system does not describe
// yet, each for its reason; a member described later leaves this list.
const char* const kNotDescribed = "";

TEST(TraDescriptionsTest, EveryClassScriptsNameKnowsItsMembers) {
    registerEngineClasses();
    registerScriptClasses();
    QStringList missing;
    for (const auto& row : kDescribedMembers) {
        const ClassInfo* cls = TraRTTIClassRegistry::instance().findClass(row.className);
        if (!cls) {
            missing << QString::fromLatin1(row.className);
            continue;
        }
        for (const QByteArray& member : QByteArray(row.members).split(' ')) {
            TraPropRec rec;
            if (!member.isEmpty() && !TraClassManager::getPropRec(*cls, member, rec))
                missing << QString::fromLatin1(row.className) + u'.' + QString::fromLatin1(member);
        }
    }
    const QStringList expected = QString::fromLatin1(kNotDescribed).split(u' ', Qt::SkipEmptyParts);
    QSet<QString> missingSet(missing.begin(), missing.end());
    const QSet<QString> expectedSet(expected.begin(), expected.end());
    EXPECT_TRUE(missingSet.subtract(expectedSet).isEmpty())
        << "not described: " << QStringList(missingSet.values()).join(u' ').toStdString();
    const QSet<QString> found = expectedSet - QSet<QString>(missing.begin(), missing.end());
    EXPECT_TRUE(found.isEmpty()) << "described now, take them off the list: "
                                 << QStringList(found.values()).join(u' ').toStdString();
}

} // namespace
