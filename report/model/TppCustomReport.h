#pragma once

#include "TppPageDef.h"
#include "TppRelative.h"
#include "TppTypes.h"

class Prompter;
class TppBand;
class TppDataPipeline;
class TppGroup;

// The report as a model: its bands in print order, its groups, its main
// pipeline and units, and the top of the report tree where user names are
// looked up and every change ends (Modified). Generation, printing and the
// printer setup build on this in the output and engine layers; until the
// printer setup arrives the page is described by PageDef().
class TppCustomReport : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppCustomReport(OwnedComponent* owner = nullptr);
    ~TppCustomReport() override;

    // All bands, kept sorted by their sort keys: title, header, column
    // header, group headers outermost first, detail, group footers innermost
    // first, column footer, footer, summary, page style.
    const QList<TppBand*>& Bands() const { return bands_; }
    int BandCount() const { return int(bands_.size()); }
    TppBand* Band(int index) const { return bands_.value(index); }
    // The band of a type code; for group headers and footers the group's.
    TppBand* GetBand(int bandType, int groupIndex = 0) const;
    const QList<TppGroup*>& Groups() const { return groups_; }
    int GroupCount() const { return int(groups_.size()); }
    TppGroup* Group(int index) const { return groups_.value(index); }

    // Called by bands and groups as they join and leave.
    void AddBand(TppBand* band);
    void RemoveBand(TppBand* band);
    void AddGroup(TppGroup* group);
    void RemoveGroup(TppGroup* group);
    void SortBands();

    TppDataPipeline* DataPipeline() const { return pipeline_; }
    // Moves the components and data-field groups that followed the old
    // pipeline (or had none that fits) to the new one; AutoStop follows
    // whether there is a pipeline.
    void SetDataPipeline(TppDataPipeline* pipeline);
    bool AutoStop() const { return autoStop_; }
    void SetAutoStop(bool value);
    TppUnitType Units() const { return units_; }
    void SetUnits(TppUnitType units);

    const TppPageDef& PageDef() const { return pageDef_; }
    void SetPageDef(const TppPageDef& pageDef);

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool Printing() const { return printing_; }
    void SetPrinting(bool printing);
    TppCustomReport* MainReport() { return this; }

    // Where designer warnings go (a refused band height); none drops them.
    void SetWarningPrompter(Prompter* prompter) { prompter_ = prompter; }
    void Warn(const QString& text) const;

    // The report's pipelines: its own, the detail band's, and every one a
    // component uses, each once.
    QList<TppDataPipeline*> Pipelines() const;
    // Before generation: every pipeline learns its details, then the main
    // pipeline starts afresh at its first record.
    void InitializePipelines();

    TppCommunicator* FindUserName(const QString& text) const override;
    QString ValidUserNameFor(const TppCommunicator* object) const override;
    void Change() override;
    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;

private:
    QList<TppBand*> bands_;
    QList<TppGroup*> groups_;
    TppDataPipeline* pipeline_ = nullptr;
    QString pendingPipelineName_;
    bool autoStop_ = true;
    TppUnitType units_ = utInches;
    TppPageDef pageDef_;
    bool modified_ = false;
    bool printing_ = false;
    Prompter* prompter_ = nullptr;
};
