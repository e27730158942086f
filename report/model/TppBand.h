#pragma once

#include "TppCacheable.h"
#include "TppComponentHolder.h"
#include "TppPrintParent.h"
#include "TppPrintRect.h"
#include "TppTypes.h"

class TppReportModel;
class TppDataPipeline;

// A horizontal strip of the report: its components in drawing order, its
// height and print settings, the variables and saved texts among its
// components, and the four band events the band engines raise.
class TppBand : public TppCacheable, public TppComponentHolder, public TppPrintParent {
public:
    PW_CLASS_INFO

    explicit TppBand(OwnedComponent* owner = nullptr);
    ~TppBand() override;

    TppReportModel* Report() const { return report_; }
    // Joins the report's band list (and, for most bands, its children).
    virtual void SetReport(TppReportModel* report);
    // Read from a template: a band lives in a report.
    bool SetParentComponent(OwnedComponent* parent) override;

    // The band type code stored with each component ("BandType").
    virtual int BandTypeCode() const = 0;
    // The index of the band's group for group bands, else -1.
    virtual int GroupIndex() const { return -1; }
    // Orders the report's band list: each number right-aligned in 8
    // characters, compared as text.
    virtual QString SortKey() const = 0;
    // The pipeline this band's components follow.
    virtual TppDataPipeline* DataPipeline() const;

    int mmHeight() const { return height_; }
    // Refused, with a warning in the designer, for a height <= 0 while the
    // band holds components, and for a static band taller than the page's
    // printable height. Components below the new bottom move up.
    void SetmmHeight(int value);
    float Height() const;
    void SetHeight(float value);
    int mmBottomOffset() const { return bottomOffset_; }
    void SetmmBottomOffset(int value);
    int mmPrintPosition() const { return printPosition_; }
    void SetmmPrintPosition(int value);
    TppPrintHeightType PrintHeight() const { return printHeight_; }
    virtual void SetPrintHeight(TppPrintHeightType value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Save() const { return save_; }
    void SetSave(bool value);
    TppUnitType Units() const { return units_; }
    void SetUnits(TppUnitType units);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }

    // The band's variables in calculation order, and its saved texts.
    const QList<TppComponent*>& Variables() const { return variables_; }
    const QList<TppComponent*>& Saves() const { return saves_; }
    // After loading: each variable whose stored order is in range goes to that index.
    void OrderVariables(const QList<int>& calculationOrder);

    QRect HolderRect() const override;

    // Raised by the band engines: the callback, then the broadcast.
    void DoBeforeGenerate();
    void DoAfterGenerate();
    void DoBeforePrint();
    void DoAfterPrint();

    // Older templates: converts what was read for `versionNumber` (see VersionNumber()).
    void ConvertLegacy(int versionNumber);

    // Generation state of the pass over the current page, set by the band's
    // engine and its component pass; components read it as their print parent.
    TppPrintRect PrintRect;
    int CurrentPosition = 0;
    int CumulativeCurrentPosition = 0;
    int PageBottom = 0;
    int SpaceUsed = 0;
    bool GenerationComplete = false;
    bool OutOfSpace = false;
    bool AllObjectsPrinted = true;
    bool OverFlow = false;
    bool PartialGeneration = false;
    int PartialAdjustment = 0;
    TppPrintable* MaxStretchable = nullptr;

    int ParentOriginLeft() const override { return PrintRect.Left; }
    int ParentOriginTop() const override { return PrintRect.Top; }
    int ParentCurrentPosition() const override { return CurrentPosition; }
    int ParentPageBottom() const override { return PageBottom; }
    int ParentSpaceUsed() const override { return SpaceUsed; }
    int ParentDesignHeight() const override { return height_; }
    bool ParentOverFlow() const override { return OverFlow; }
    bool ParentPartialGeneration() const override { return PartialGeneration; }
    int ParentPartialAdjustment() const override { return PartialAdjustment; }
    TppPrintable* ParentMaxStretchable() const override { return MaxStretchable; }
    bool ParentIsDynamic() const override { return printHeight_ == phDynamic; }

    TppNotifyEvent BeforePrint;
    TppNotifyEvent AfterPrint;
    TppNotifyEvent BeforeGenerate;
    TppNotifyEvent AfterGenerate;

protected:
    void AddObject(TppComponent* component) override;
    void RemoveObject(TppComponent* component) override;
    // Where the report files this band; group bands are filed by their group.
    void joinReport(TppReportModel* report, bool asChild);

private:
    void warn(int languageString) const;

    TppReportModel* report_ = nullptr;
    int height_ = 13229;
    int bottomOffset_ = 0;
    int printPosition_ = 0;
    TppPrintHeightType printHeight_ = phStatic;
    bool visible_ = true;
    bool save_ = false;
    TppUnitType units_ = utInches;
    QString caption_;
    QList<TppComponent*> variables_;
    QList<TppComponent*> saves_;
    QString legacyOnPrint_;
};

// "%8d": sort keys and queues compare numbers as texts of this width.
QString sortKeyNumber(int number);
