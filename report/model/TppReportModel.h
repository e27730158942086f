#pragma once

#include "TppPageDef.h"
#include "TppRelative.h"
#include "TppTypes.h"

class Prompter;
class TppBand;
class TppDataPipeline;
class TppGroup;

// What bands, groups, components and pipelines need from their report: the
// bands in print order, the groups, the main pipeline and units, the page,
// and the top of the report tree where user names are looked up and every
// change ends (Modified). It publishes nothing: the concrete report in the
// output layer (TppCustomReport, after the producer's printing settings)
// publishes these and supplies the page from its printer setup.
class TppReportModel : public TppRelative {
public:
    PW_CLASS_INFO

    ~TppReportModel() override;

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
    virtual void SetUnits(TppUnitType units);

    // The paper and margins the layout is placed on.
    virtual const TppPageDef& PageDef() const = 0;

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool Printing() const { return printing_; }
    void SetPrinting(bool printing);
    // The top report; a subreport's report answers its parent's.
    virtual TppReportModel* MainReport() { return this; }

    // What generation asks of the report between components; the banded
    // report answers from its engine. The message-pump step lets a cancel
    // request reach the engine during long passes.
    virtual void ProcessMessages() {}
    virtual bool GenerationStopped() const { return false; }
    // Something has already been placed on the page being generated.
    virtual bool PageHasContent() const { return false; }
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

protected:
    explicit TppReportModel(OwnedComponent* owner = nullptr);
    // The main pipeline's name read from a template, resolved once loaded.
    QString pipelineName() const;
    void setPendingPipelineName(const QString& name) { pendingPipelineName_ = name; }

private:
    QList<TppBand*> bands_;
    QList<TppGroup*> groups_;
    TppDataPipeline* pipeline_ = nullptr;
    QString pendingPipelineName_;
    bool autoStop_ = true;
    TppUnitType units_ = utInches;
    bool modified_ = false;
    bool printing_ = false;
    Prompter* prompter_ = nullptr;
};
