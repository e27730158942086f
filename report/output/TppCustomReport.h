#pragma once

#include "FormatSettings.h"
#include "TextMeasurer.h"
#include "TppProducer.h"

#include <QStringList>
#include <memory>

class TppCustomTemplate;

class TppCustomNoDataDialog;
class TppDrawCommand;

// The report as users and templates see it: the printing settings of the
// producer, then the layout's own (columns, pipeline, no-data behaviour,
// page limit, passes, units) and the report-level events. Its pages come
// from the engine the engine layer creates for it.
class TppCustomReport : public TppProducer {
public:
    PW_CLASS_INFO

    explicit TppCustomReport(OwnedComponent* owner = nullptr);
    ~TppCustomReport() override;

    int Columns() const { return columns_; }
    // Values of 0 or less become 1; several columns share the printable width.
    void SetColumns(int columns);
    int mmColumnWidth() const { return columnWidth_; }
    float ColumnWidth() const;
    void SetColumnWidth(float width);
    QStringList ColumnPositions;
    unsigned NoDataBehaviors() const { return noDataBehaviors_; }
    // ndBlankPage and ndBlankReport exclude each other (the one added wins);
    // with neither, ndBlankPage; ndMessageOnPage only without ndBlankPage.
    void SetNoDataBehaviors(unsigned behaviors);
    int PageLimit() const { return pageLimit_; }
    void SetPageLimit(int limit);
    TppPassSettingType PassSetting() const { return passSetting_; }
    void SetPassSetting(TppPassSettingType setting);
    bool SaveAsTemplate = false;

    // Loads and saves this report's layout (the template layer's class once
    // it is registered).
    TppCustomTemplate& Template() { return *template_; }
    const TppCustomTemplate& Template() const { return *template_; }

    // Takes over another report's layout: its printing and layout settings,
    // its template settings and events, then its bands, groups and other
    // children, which move here (and to this report's owner). This report's
    // own bands and groups are freed first. A template load does this twice:
    // a backup takes the layout, then the report takes the one read.
    virtual void TakeOverLayout(TppCustomReport& other);

    TppNotifyEvent OnStartFirstPass;
    TppNotifyEvent OnEndFirstPass;
    TppNotifyEvent OnStartSecondPass;
    TppNotifyEvent OnEndSecondPass;
    TppNotifyEvent OnStartPage;
    TppNotifyEvent OnEndPage;
    TppNotifyEvent OnStartColumn;
    TppNotifyEvent OnEndColumn;
    // (sender, the no-data dialog or none, show it, the message or none, add it to the page).
    TppEvent<TppCommunicator*, TppCustomNoDataDialog*, bool&, TppDrawCommand*, bool&> OnNoData;

    // The engine's numbers; 0 without engine.
    int AbsolutePageNo();
    int AbsolutePageCount();
    int PageNo();
    int PageCount();

    // The end of each generated page: OnEndPage, then the page limit.
    void EndOfPage();

    // How generation measures text and writes values, injected by whoever
    // runs the report: by default Qt's font metrics, the screen's
    // resolution and the invariant (English) settings.
    const TextMeasurer& Measurer() const { return measurer_ ? *measurer_ : defaultMeasurer_; }
    // Not owned; none restores the default.
    void SetMeasurer(const TextMeasurer* measurer) { measurer_ = measurer; }
    // The printer whose pixels text is measured in; none is the screen.
    const DeviceResolution* MeasuringPrinter() const { return measuringPrinter_; }
    void SetMeasuringPrinter(const DeviceResolution* printer) { measuringPrinter_ = printer; }
    const FormatSettings& LocaleSettings() const { return localeSettings_; }
    void SetLocaleSettings(const FormatSettings& settings) { localeSettings_ = settings; }

protected:
    void PrepareForJob() override { InitializePipelines(); }
    void EngineCreated(TppCustomEngine& engine) override;

private:
    int columns_ = 1;
    int columnWidth_ = 0;
    unsigned noDataBehaviors_ = 1u << ndBlankPage;
    int pageLimit_ = 0;
    TppPassSettingType passSetting_ = psOnePass;
    std::unique_ptr<TppCustomTemplate> template_;
    FontMetricsMeasurer defaultMeasurer_;
    const TextMeasurer* measurer_ = nullptr;
    const DeviceResolution* measuringPrinter_ = nullptr;
    FormatSettings localeSettings_ = FormatSettings::invariant();
};
