#pragma once

#include "ClassBuilder.h"
#include "ClassRegistry.h"
#include "DataPipelineClasses.h"
#include "ReportModelClasses.h"
#include "TppComponent.h"
#include "TppDBPipeline.h"
#include "TppDetailBand.h"
#include "TppEvent.h"
#include "TppField.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppMasterFieldLink.h"
#include "TppPageDef.h"
#include "TppReportModel.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

#include <QByteArray>
#include <QString>

// The report the stream tests fill: the model's report base, registered
// under a name of its own so that these tests do not depend on where the
// concrete report class lives.
class StreamTestReport : public TppReportModel {
public:
    PW_CLASS_INFO
    explicit StreamTestReport(OwnedComponent* owner = nullptr) : TppReportModel(owner) {}
    const TppPageDef& PageDef() const override { return pageDef; }
    void SetPageDef(const TppPageDef& value) { pageDef = value; }
    TppPageDef pageDef;
};

// A text component of the tests; the model itself has only the base class.
// It may name another component to move with, a reference inside the layout.
class StreamTestLabel : public TppComponent {
public:
    PW_CLASS_INFO
    using TppComponent::TppComponent;
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    int FontColor() const { return fontColor_; }
    void SetFontColor(int color) { fontColor_ = color; }
    TppComponent* ShiftRelativeTo() const { return relativeTo_; }
    void SetShiftRelativeTo(TppComponent* component);
    void Notify(TppCommunicator* sender, int operation) override;

private:
    QString caption_;
    int fontColor_ = 0;
    TppComponent* relativeTo_ = nullptr;
};

enum SampleShade : int { shLight, shDark, shGlossy };

// One item of SampleComponent's collection.
class SampleColumn : public Persistent {
public:
    PW_CLASS_INFO
    int width = 0;
    QString title;
    OwnedComponent* source = nullptr;
};

class SampleColumns : public PersistentCollection {
public:
    int count() const override { return int(items.size()); }
    Persistent* item(int index) override { return &items[size_t(index)]; }
    Persistent* add() override { return &items.emplace_back(); }
    void clear() override { items.clear(); }
    std::vector<SampleColumn> items;
};

// A component with a property of every kind the registry describes, and
// defined properties that are written, and one only older streams hold.
class SampleComponent : public OwnedComponent {
public:
    PW_CLASS_INFO
    using OwnedComponent::OwnedComponent;

    int count = 0;
    int color = 0xFFFFFF;
    qint64 big = 0;
    double ratio = 0;
    double amount = 0;
    float scale = 0;
    double price = 0;
    double stamp = 0;
    QString caption;
    bool enabled = true;
    SampleShade shade = shLight;
    unsigned styles = 0;
    QByteArray picture;
    QStringList lines;
    TppPageDef page;
    SampleColumns columns;
    OwnedComponent* target = nullptr;
    TppEvent<OwnedComponent*> onClick;
    int offset = 0;
    QByteArray blob;
    QString legacy;
};

// Registers the model's, the pipelines' and the tests' classes.
void registerStreamTestClasses();

// Gives `report` a title, a header with labels (one moving with another), a
// group with its bands, a detail band bound to `pipeline`, a footer and a
// summary: the kinds of objects a template holds. Everything is owned by
// `form`.
void addSampleLayout(OwnedComponent& form, TppReportModel* report, TppDataPipeline* pipeline);

// A form holding a pipeline with fields and a link, and (unless only the
// pipeline is asked for) a report with the sample layout.
struct SampleForm {
    enum Contents { PipelineAndReport, PipelineOnly };
    explicit SampleForm(Contents contents = PipelineAndReport);
    OwnedComponent form;
    TppDBPipeline* pipeline;
    StreamTestReport* report = nullptr;
};
