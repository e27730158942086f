#pragma once

#include "TppEvent.h"
#include "TppIcon.h"
#include "TppPreviewFormSettings.h"
#include "TppPrinterSetup.h"
#include "TppPublisher.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"

#include <memory>

class TppCustomCancelDialog;
class TppCustomEngine;
class TppCustomPreviewer;
class TppCustomPrintDialog;
class TppDevice;
class TppPrinter;

// Event kinds a report broadcasts about its print job.
enum TppProducerEventKind {
    ciProducerPrintingEnded = 0,
    ciProducerPrintingStarted = 1,
    ciProducerCancel = 2,
    ciProducerCancelDialogCreate = 3,
    ciProducerCancelDialogClose = 4,
    ciProducerPreviewFormCreate = 5,
    ciProducerPreviewFormClose = 6,
    ciProducerPrintDialogCreate = 7,
    ciProducerPrintDialogClose = 8,
    ciProducerSaveText = 9,
    ciProducerPrintingComplete = 56,
    ciProducerJobCleanedUp = 89
};

// The printing side of every report: its printer setup and publisher, the
// choice of output by DeviceType, and Print, which opens the preview or the
// print dialog, creates the job's devices and dialogs, runs one job through
// the publisher and cleans up, firing the report's events in a fixed order.
// It answers the publisher's page requests by asking its engine for pages.
class TppProducer : public TppReportModel {
public:
    PW_CLASS_INFO

    ~TppProducer() override;

    QString DeviceType() const { return deviceType_; }
    // Only the device name of a registered device class is taken (or any
    // name while a template is read); anything else leaves the old value.
    void SetDeviceType(const QString& name);
    bool ShowPrintDialog() const { return showPrintDialog_; }
    void SetShowPrintDialog(bool value) { unlessPrinting(showPrintDialog_, value); }
    bool ShowCancelDialog() const { return showCancelDialog_; }
    void SetShowCancelDialog(bool value) { unlessPrinting(showCancelDialog_, value); }
    bool ModalCancelDialog() const { return modalCancelDialog_; }
    void SetModalCancelDialog(bool value) { unlessPrinting(modalCancelDialog_, value); }
    bool ModalPreview() const { return modalPreview_; }
    void SetModalPreview(bool value) { unlessPrinting(modalPreview_, value); }
    bool AllowPrintToFile() const { return allowPrintToFile_; }
    void SetAllowPrintToFile(bool value) { unlessPrinting(allowPrintToFile_, value); }
    bool AllowPrintToArchive() const { return allowPrintToArchive_; }
    void SetAllowPrintToArchive(bool value) { unlessPrinting(allowPrintToArchive_, value); }
    QString TextFileName() const { return textFileName_; }
    void SetTextFileName(const QString& value) { unlessPrinting(textFileName_, value); }
    TppFileType TextFileType() const { return textFileType_; }
    void SetTextFileType(TppFileType value) { unlessPrinting(textFileType_, value); }
    QString ArchiveFileName() const { return archiveFileName_; }
    // Resets the report and its devices: the archive is another output.
    void SetArchiveFileName(const QString& value);
    bool SavePrinterSetup() const { return savePrinterSetup_; }
    void SetSavePrinterSetup(bool value) { savePrinterSetup_ = value; }
    bool ShowAutoSearchDialog() const { return showAutoSearchDialog_; }
    void SetShowAutoSearchDialog(bool value) { showAutoSearchDialog_ = value; }
    bool CachePages() const { return cachePages_; }
    void SetCachePages(bool value) { cachePages_ = value; }
    TppLanguageType Language() const { return language_; }
    // Loads the language's modules; a language without any keeps the old one, except while the
    // report is read from a stream, where it falls back to the default texts.
    void SetLanguage(TppLanguageType value);

    TppPreviewFormSettings& PreviewFormSettings() { return previewFormSettings_; }
    const TppPreviewFormSettings& PreviewFormSettings() const { return previewFormSettings_; }
    void SetPreviewFormSettings(const TppPreviewFormSettings& settings) {
        previewFormSettings_.Assign(settings);
    }

    // Given to the preview, print and cancel dialogs when not empty.
    const TppIcon& Icon() const { return icon_; }
    void SetIcon(const TppIcon& icon) {
        if (!Printing())
            icon_.Assign(icon);
    }
    TppPrinterSetup& PrinterSetup() { return printerSetup_; }
    const TppPrinterSetup& PrinterSetup() const { return printerSetup_; }
    void SetPrinterSetup(const TppPrinterSetup& setup) { printerSetup_.Assign(setup); }
    const TppPageDef& PageDef() const override { return printerSetup_.PageDef(); }
    void SetUnits(TppUnitType units) override;

    TppNotifyEvent BeforePrint;
    TppNotifyEvent AfterPrint;
    TppNotifyEvent OnCancel;
    TppNotifyEvent OnCancelDialogCreate;
    TppNotifyEvent OnCancelDialogClose;
    TppNotifyEvent OnPreviewFormCreate;
    TppNotifyEvent OnPreviewFormClose;
    TppNotifyEvent OnPrintDialogCreate;
    TppNotifyEvent OnPrintDialogClose;
    TppNotifyEvent OnPrintingComplete;
    TppEvent<TppCommunicator*, TppPageRequest*> OnPageRequest;
    TppEvent<TppCommunicator*, QString&> OnSaveText;
    // The search dialog on its own, as the preview's search button runs it:
    // true when the user chose OK and the pages are to be made again.
    std::function<bool()> RunAutoSearch;

    TppPublisher& Publisher() { return publisher_; }
    TppDevice* PrinterDevice() const { return printerDevice_; }
    // The printer object for the current setup: the job's own while one
    // prints, else one this report keeps, set up as PrinterSetup says.
    TppPrinter* Printer();
    TppDevice* FileDevice() const { return fileDevice_; }
    // Gives a file device its file name and, a text file, the report's
    // TextFileType and save-text step: what it writes for a value is the
    // text after OnSaveText and the save-text notice (a script's handler)
    // have both had it.
    void PrepareFileDevice(TppDevice& device, const QString& fileName);
    TppCustomPreviewer* PreviewForm() const { return previewForm_; }
    TppCustomPrintDialog* PrintDialog() const { return printDialog_; }
    TppCustomCancelDialog* CancelDialog() const { return cancelDialog_; }
    bool Producing() const { return producing_; }
    int CurrentPage = 1;
    int LanguageIndex = 0;
    // Generation lets the window's messages through now and then (the cancel
    // dialog, the preview's Cancel); a report may turn that off.
    bool EnableProcessMessages = true;
    // The version of the layout as its template stored it ("1.0" before
    // any was read) and as a number ("7.0" gives 7000). Older layouts are
    // converted by it; templates are always written as version "7.0".
    const QString& Version() const { return version_; }
    int VersionNo() const { return versionNo_; }

    // The engine that generates this report's pages; none until the engine
    // layer supplies one.
    TppCustomEngine* Engine();

    // Prints to the output DeviceType names; an unregistered name raises
    // EPrintError.
    void Print();
    // Runs one job on the devices attached to the publisher.
    void RunPrintJob();
    void Cancel();
    bool CancelPending() const { return cancelPending_; }
    // Forgets the primed job (the layout, data or archive changed).
    virtual void Reset();

protected:
    explicit TppProducer(OwnedComponent* owner = nullptr);
    virtual TppCustomEngine* CreateEngine() { return nullptr; }
    // The first step of Print: false stops it. Here the search hook decides
    // when ShowAutoSearchDialog is set; a report with criteria runs its
    // search dialog itself.
    virtual bool AutoSearchBeforePrint() {
        return !showAutoSearchDialog_ || !RunAutoSearch || RunAutoSearch();
    }
    // Hooks the report's own callbacks into a new engine.
    virtual void EngineCreated(TppCustomEngine&) {}
    // Before a job starts; a banded report prepares its bands and pipelines.
    virtual void PrepareForJob() {}
    // The printing settings of a layout that replaces this one: printer
    // setup, output, dialogs, files, language and the events' handlers.
    void TakeOverSettings(const TppProducer& other);

private:
    template <class T> void unlessPrinting(T& field, const T& value) {
        if (!Printing())
            field = value;
    }
    void previewPath();
    void applyPreviewFormSettings();
    void devicePath();
    TppDevice* createDevice(const ClassInfo& deviceClass);
    void handlePageRequest(TppPageRequest& request);
    void endJob();
    void cleanup();
    void notify(int kind);

    QString deviceType_ = QStringLiteral("Screen");
    QString version_ = QStringLiteral("1.0");
    int versionNo_ = 1000;
    bool showPrintDialog_ = true;
    bool showCancelDialog_ = true;
    bool modalCancelDialog_ = true;
    bool modalPreview_ = true;
    bool allowPrintToFile_ = false;
    bool allowPrintToArchive_ = false;
    QString textFileName_;
    TppFileType textFileType_ = ftComma;
    QString archiveFileName_;
    bool savePrinterSetup_ = false;
    bool showAutoSearchDialog_ = false;
    bool cachePages_ = false;
    TppLanguageType language_ = lgDefault;

    TppPrinterSetup printerSetup_{this};
    TppPreviewFormSettings previewFormSettings_;
    TppIcon icon_;
    std::unique_ptr<TppPrinter> printer_;
    TppPublisher publisher_;
    TppCustomEngine* engine_ = nullptr;
    TppDevice* printerDevice_ = nullptr;
    TppDevice* fileDevice_ = nullptr;
    TppCustomPreviewer* previewForm_ = nullptr;
    TppCustomPrintDialog* printDialog_ = nullptr;
    TppCustomCancelDialog* cancelDialog_ = nullptr;
    std::unique_ptr<TppPrinterSetup> savedPrinterSetup_;
    bool producing_ = false;
    bool jobPrimed_ = false;
    bool cancelPending_ = false;
    bool setupChanged_ = false;
    bool cancelDialogModal_ = false;
    TppCustomCancelDialog* closedCancelDialog_ = nullptr;
};
