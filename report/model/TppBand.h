#pragma once

#include "TppCacheable.h"
#include "TppComponentHolder.h"
#include "TppTypes.h"

class TppReportModel;
class TppDataPipeline;

// A horizontal strip of the report: its components in drawing order, its
// height and print settings, the variables and saved texts among its
// components, and the four band events the band engines raise.
class TppBand : public TppCacheable, public TppComponentHolder {
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
    void SetPrintHeight(TppPrintHeightType value);
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
