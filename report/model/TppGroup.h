#pragma once

#include "PendingPipelineName.h"
#include "TppCacheable.h"
#include "TppOutlineSettings.h"
#include "TppTypes.h"

class TppComponent;
class TppReportModel;
class TppDataPipeline;
class TppGroupFooterBand;
class TppGroupHeaderBand;

// A group puts a header and a footer band around the detail records that
// share a break value: a pipeline field's text (btDataField) or a text
// component's current text (btCustomField). Its parent is the report; its
// two bands are its children.
class TppGroup : public TppCacheable {
public:
    PW_CLASS_INFO

    explicit TppGroup(OwnedComponent* owner = nullptr);
    ~TppGroup() override;

    TppReportModel* Report() const { return report_; }
    void SetReport(TppReportModel* report);
    // Index in the report's group list, 0 for the outermost; -1 without report.
    int GroupNo() const;

    TppGroupHeaderBand* HeaderBand() const { return headerBand_; }
    TppGroupFooterBand* FooterBand() const { return footerBand_; }
    void SetHeaderBand(TppGroupHeaderBand* band);
    void SetFooterBand(TppGroupFooterBand* band);
    // Gives the group a header and a footer band where it has none.
    void CreateBands();

    // The break definition.
    TppBreakType BreakType() const { return breakType_; }
    // Refused while the report prints; ignored without a report, except
    // while a template is being read (the report is attached afterwards).
    void SetBreakType(TppBreakType type);
    const QString& BreakName() const { return breakName_; }
    void SetBreakName(const QString& name);
    TppComponent* BreakComponent() const { return breakComponent_; }
    TppDataPipeline* DataPipeline() const { return pipeline_; }
    void SetDataPipeline(TppDataPipeline* pipeline);

    // Print settings.
    bool KeepTogether() const { return keepTogether_; }
    void SetKeepTogether(bool value);
    bool NewPage() const { return newPage_; }
    void SetNewPage(bool value);
    bool NewColumn() const { return newColumn_; }
    void SetNewColumn(bool value);
    int mmNewPageThreshold() const { return newPageThreshold_; }
    void SetmmNewPageThreshold(int value);
    int mmNewColumnThreshold() const { return newColumnThreshold_; }
    void SetmmNewColumnThreshold(int value);
    float NewPageThreshold() const;
    void SetNewPageThreshold(float value);
    float NewColumnThreshold() const;
    void SetNewColumnThreshold(float value);
    bool ResetPageNo() const { return resetPageNo_; }
    void SetResetPageNo(bool value);
    bool ReprintOnSubsequentPage() const { return reprintOnSubsequentPage_; }
    void SetReprintOnSubsequentPage(bool value);
    bool ReprintOnSubsequentColumn() const { return reprintOnSubsequentColumn_; }
    void SetReprintOnSubsequentColumn(bool value);
    bool HeaderForOrphanedFooter() const { return headerForOrphanedFooter_; }
    void SetHeaderForOrphanedFooter(bool value);
    TppOutlineSettings& OutlineSettings() { return outlineSettings_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    TppUnitType Units() const { return units_; }
    void SetUnits(TppUnitType units) { units_ = units; }

    // Breaks.
    QString GetBreakValue();
    // Reads the new value and breaks when it differs from the previous one
    // (exact text) or when the group's pipeline has no records.
    void CheckForBreak();
    void Break();
    // At the start of a generation.
    void ResetBreak();
    // Re-reads the value into both the prior and the current value.
    void RefreshBreakValue();
    void DoBeforeGroupBreak();
    void DoAfterGroupBreak();
    void DoBeforeHeader();
    void DoBeforeFooter();

    const QString& BreakValue() const { return breakValue_; }
    const QString& PriorValue() const { return priorValue_; }
    bool Breaking() const { return breaking_; }
    void SetBreaking(bool breaking) { breaking_ = breaking; }
    int BreakNo() const { return breakNo_; }
    void SetBreakNo(int breakNo) { breakNo_ = breakNo; }
    int FirstPageNo() const { return firstPageNo_; }
    void SetFirstPageNo(int page) { firstPageNo_ = page; }
    int LastPageNo() const { return lastPageNo_; }
    void SetLastPageNo(int page) { lastPageNo_ = page; }
    int FirstColumn() const { return firstColumn_; }
    void SetFirstColumn(int column) { firstColumn_ = column; }
    bool KeptTogether() const { return keptTogether_; }
    void SetKeptTogether(bool kept) { keptTogether_ = kept; }

    // "Group [0]: CUSTNO" in the designer and in outlines.
    QString Description();

    // Older templates: converts what was read for `versionNumber`.
    void ConvertLegacy(int versionNumber);

    TppNotifyEvent BeforeGroupBreak;
    TppNotifyEvent AfterGroupBreak;
    TppEvent<TppCommunicator*, QString&> OnGetBreakValue;

    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;
    // Read from a template: a group lives in a report.
    bool SetParentComponent(OwnedComponent* parent) override;

protected:
    // The group's state at a page end: where its instance began and ended,
    // a pending break, the breaks so far, the first column, keep-together.
    void CacheFields(CacheRecord& record) override;

private:
    void findBreakComponent();
    void setBreakComponent(TppComponent* component);

    TppReportModel* report_ = nullptr;
    TppGroupHeaderBand* headerBand_ = nullptr;
    TppGroupFooterBand* footerBand_ = nullptr;
    TppBreakType breakType_ = btDataField;
    QString breakName_;
    TppComponent* breakComponent_ = nullptr;
    TppDataPipeline* pipeline_ = nullptr;
    PendingPipelineName pendingPipelineName_;
    bool keepTogether_ = false;
    bool newPage_ = false;
    bool newColumn_ = false;
    int newPageThreshold_ = 0;
    int newColumnThreshold_ = 0;
    bool resetPageNo_ = false;
    bool reprintOnSubsequentPage_ = true;
    bool reprintOnSubsequentColumn_ = true;
    bool headerForOrphanedFooter_ = true;
    int tag_ = 0;
    TppOutlineSettings outlineSettings_;
    TppUnitType units_ = utInches;

    QString breakValue_;
    QString priorValue_;
    bool breaking_ = false;
    int breakNo_ = 0;
    int firstPageNo_ = 1;
    int lastPageNo_ = 1;
    int firstColumn_ = 1;
    bool keptTogether_ = false;

    QString legacyFieldName_;
    std::optional<bool> legacyReprintOnSubsequent_;
    std::optional<float> legacyThreshold_;
};
