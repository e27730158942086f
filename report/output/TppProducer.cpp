#include "TppProducer.h"

#include "ClassBuilder.h"
#include "DeviceClasses.h"
#include "EnumerationNames.h"
#include "FormRegistry.h"
#include "PagewrightErrors.h"
#include "TppCustomCancelDialog.h"
#include "TppCustomEngine.h"
#include "TppCustomPreviewer.h"
#include "TppCustomPrintDialog.h"
#include "TppDevice.h"
#include "TppPrinter.h"
#include "TppTextFileDevice.h"
#include "VersionNumber.h"

const ClassInfo& TppProducer::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppProducer>("TppProducer", &TppReportModel::staticClassInfo(), [](auto& c) {
            using P = TppProducer;
            c.property("AllowPrintToArchive", &P::AllowPrintToArchive, &P::SetAllowPrintToArchive)
                .withDefault(false);
            c.property("AllowPrintToFile", &P::AllowPrintToFile, &P::SetAllowPrintToFile).withDefault(false);
            c.property("ArchiveFileName", &P::ArchiveFileName, &P::SetArchiveFileName);
            c.property("CachePages", &P::CachePages, &P::SetCachePages).withDefault(false);
            c.property("DeviceType", &P::DeviceType, &P::SetDeviceType);
            c.object("Icon", [](P& p) -> Persistent* { return &p.icon_; });
            c.property("Language", &P::Language, &P::SetLanguage)
                .names(enumerationNames("TppLanguageType"))
                .withDefault(lgDefault);
            c.property("ModalCancelDialog", &P::ModalCancelDialog, &P::SetModalCancelDialog)
                .withDefault(true);
            c.property("ModalPreview", &P::ModalPreview, &P::SetModalPreview).withDefault(true);
            c.object("PreviewFormSettings", [](P& p) -> Persistent* { return &p.previewFormSettings_; });
            c.object("PrinterSetup", [](P& p) -> Persistent* { return &p.printerSetup_; });
            c.property("SavePrinterSetup", &P::SavePrinterSetup, &P::SetSavePrinterSetup).withDefault(false);
            c.property("ShowAutoSearchDialog", &P::ShowAutoSearchDialog, &P::SetShowAutoSearchDialog)
                .withDefault(false);
            c.property("ShowCancelDialog", &P::ShowCancelDialog, &P::SetShowCancelDialog).withDefault(true);
            c.property("ShowPrintDialog", &P::ShowPrintDialog, &P::SetShowPrintDialog).withDefault(true);
            c.property("TextFileName", &P::TextFileName, &P::SetTextFileName);
            c.property("TextFileType", &P::TextFileType, &P::SetTextFileType)
                .names(enumerationNames("TppFileType"))
                .withDefault(ftComma);
            c.event("AfterPrint", &P::AfterPrint);
            c.event("BeforePrint", &P::BeforePrint);
            c.event("OnCancel", &P::OnCancel);
            c.event("OnCancelDialogClose", &P::OnCancelDialogClose);
            c.event("OnCancelDialogCreate", &P::OnCancelDialogCreate);
            c.event("OnPageRequest", &P::OnPageRequest);
            c.event("OnPreviewFormClose", &P::OnPreviewFormClose);
            c.event("OnPreviewFormCreate", &P::OnPreviewFormCreate);
            c.event("OnPrintDialogClose", &P::OnPrintDialogClose);
            c.event("OnPrintDialogCreate", &P::OnPrintDialogCreate);
            c.event("OnPrintingComplete", &P::OnPrintingComplete);
            c.event("OnSaveText", &P::OnSaveText);
            c.defined(
                "Version", PropertyKind::String, [](const P&) { return QStringLiteral("7.0"); },
                [](P& p, const QVariant& v) {
                    // A version that is no number is a damaged template.
                    p.versionNo_ = VersionNumber(v.toString());
                    p.version_ = v.toString();
                });
            // Older layouts named the output by an identifier.
            c.defined("Device", PropertyKind::Enumeration, nullptr, [](P& p, const QVariant& v) {
                static const QHash<QString, QString> devices = {
                    {QStringLiteral("dvScreen"), QStringLiteral("Screen")},
                    {QStringLiteral("dvPrinter"), QStringLiteral("Printer")},
                    {QStringLiteral("dvFile"), QStringLiteral("TextFile")},
                    {QStringLiteral("dvArchive"), QStringLiteral("ArchiveFile")}};
                p.deviceType_ = devices.value(v.toString(), p.deviceType_);
            });
        });
    return info;
}

TppProducer::TppProducer(OwnedComponent* owner) : TppReportModel(owner) {
    publisher_.PageRequestHandler = [this](TppPublisher*, TppPageRequest& request) {
        handlePageRequest(request);
    };
    previewFormSettings_.OnChange = [this] { applyPreviewFormSettings(); };
}

void TppProducer::applyPreviewFormSettings() {
    if (previewForm_)
        previewForm_->ApplyPreviewFormSettings(previewFormSettings_);
}

TppProducer::~TppProducer() {
    markDestroying();
    delete std::exchange(previewForm_, nullptr);
    delete std::exchange(printDialog_, nullptr);
    delete std::exchange(cancelDialog_, nullptr);
    delete std::exchange(engine_, nullptr);
}

void TppProducer::SetDeviceType(const QString& name) {
    if (isLoading() || DeviceClasses::instance().Find(name))
        deviceType_ = name;
}

void TppProducer::SetArchiveFileName(const QString& value) {
    if (Printing())
        return;
    archiveFileName_ = value;
    Reset();
    publisher_.ResetDevices();
}

void TppProducer::SetUnits(TppUnitType units) {
    printerSetup_.SetUnits(units);
    TppReportModel::SetUnits(units);
}

void TppProducer::TakeOverSettings(const TppProducer& other) {
    // The fields themselves: the setters refuse while printing, and the
    // device name need not be registered in this program.
    deviceType_ = other.deviceType_;
    version_ = other.version_;
    versionNo_ = other.versionNo_;
    showPrintDialog_ = other.showPrintDialog_;
    showCancelDialog_ = other.showCancelDialog_;
    modalCancelDialog_ = other.modalCancelDialog_;
    modalPreview_ = other.modalPreview_;
    allowPrintToFile_ = other.allowPrintToFile_;
    allowPrintToArchive_ = other.allowPrintToArchive_;
    textFileName_ = other.textFileName_;
    textFileType_ = other.textFileType_;
    archiveFileName_ = other.archiveFileName_;
    savePrinterSetup_ = other.savePrinterSetup_;
    showAutoSearchDialog_ = other.showAutoSearchDialog_;
    cachePages_ = other.cachePages_;
    language_ = other.language_;
    printerSetup_.Assign(other.printerSetup_);
    previewFormSettings_.Assign(other.previewFormSettings_);
    icon_.Assign(other.icon_);
    const std::pair<TppNotifyEvent*, const TppNotifyEvent*> events[] = {
        {&BeforePrint, &other.BeforePrint},
        {&AfterPrint, &other.AfterPrint},
        {&OnCancel, &other.OnCancel},
        {&OnCancelDialogCreate, &other.OnCancelDialogCreate},
        {&OnCancelDialogClose, &other.OnCancelDialogClose},
        {&OnPreviewFormCreate, &other.OnPreviewFormCreate},
        {&OnPreviewFormClose, &other.OnPreviewFormClose},
        {&OnPrintDialogCreate, &other.OnPrintDialogCreate},
        {&OnPrintDialogClose, &other.OnPrintDialogClose},
        {&OnPrintingComplete, &other.OnPrintingComplete}};
    for (const auto& [event, from] : events)
        event->TakeOver(*from);
    OnPageRequest.TakeOver(other.OnPageRequest);
    OnSaveText.TakeOver(other.OnSaveText);
}

TppCustomEngine* TppProducer::Engine() {
    if (!engine_ && (engine_ = CreateEngine()))
        EngineCreated(*engine_);
    return engine_;
}

void TppProducer::notify(int kind) {
    BroadcastEvent(this, kind);
}

TppPrinter* TppProducer::Printer() {
    if (TppPrinter* printing = printerDevice_ ? printerDevice_->Printer() : nullptr)
        return printing;
    if (!printer_)
        printer_ = std::make_unique<TppPrinter>();
    printer_->ApplySetup(printerSetup_);
    return printer_.get();
}

void TppProducer::PrepareFileDevice(TppDevice& device, const QString& fileName) {
    if (auto* file = dynamic_cast<TppFileDevice*>(&device))
        file->SetFileName(fileName);
    auto* textFile = dynamic_cast<TppTextFileDevice*>(&device);
    if (!textFile)
        return;
    textFile->SetTextFileType(textFileType_);
    textFile->OnSaveText = [this](TppTextFileDevice* sender, TppComponent*, QString& text) {
        OnSaveText(sender, text);
        TppEventParams params{text};
        BroadcastEvent(this, ciProducerSaveText, &params);
        text = params.value(0).toString();
    };
}

void TppProducer::Reset() {
    if (Printing())
        return;
    jobPrimed_ = false;
    cancelPending_ = false;
}

void TppProducer::Cancel() {
    cancelPending_ = true;
    if (engine_)
        engine_->StopPrinting = true;
}

void TppProducer::Print() {
    if (!AutoSearchBeforePrint())
        return;
    producing_ = true;
    try {
        // The screen path only for the exact name: "screen" in other case
        // is a registered name too, and prints on paper.
        if (deviceType_ == QLatin1String("Screen"))
            previewPath();
        else
            devicePath();
    } catch (...) {
        producing_ = false;
        throw;
    }
}

void TppProducer::previewPath() {
    if (previewForm_)
        return;
    previewForm_ = FormRegistry::instance().CreateForm<TppCustomPreviewer>();
    if (!previewForm_) {
        producing_ = false;
        return;
    }
    TppCustomPreviewer* form = previewForm_;
    form->Report = this;
    form->ApplyPreviewFormSettings(previewFormSettings_);
    form->LanguageIndex = LanguageIndex;
    form->Icon = icon_.Image();
    form->OnDestroy = [this](TppForm*) { previewForm_ = nullptr; };
    form->OnClose = [this] {
        producing_ = false;
        AfterPrint(this);
        if (Printing())
            Cancel();
        OnPreviewFormClose(this);
        notify(ciProducerPreviewFormClose);
    };
    OnPreviewFormCreate(this);
    notify(ciProducerPreviewFormCreate);
    if (modalPreview_) {
        form->OnActivate = [this] {
            if (deviceType_ == QLatin1String("Screen"))
                RunPrintJob();
        };
        form->ShowModal();
        delete std::exchange(previewForm_, nullptr);
    } else {
        form->Show();
        RunPrintJob();
    }
}

TppDevice* TppProducer::createDevice(const ClassInfo& deviceClass) {
    auto* device = dynamic_cast<TppDevice*>(deviceClass.create(this));
    if (!device)
        throw EPrintError(QStringLiteral("%1 is not an output device.").arg(deviceClass.name()));
    device->LanguageIndex = LanguageIndex;
    return device;
}

void TppProducer::devicePath() {
    if (cancelDialog_) {
        producing_ = false;
        return;
    }
    const ClassInfo* deviceClass = DeviceClasses::instance().Find(deviceType_);
    if (!deviceClass) {
        producing_ = false;
        throw EPrintError(
            QStringLiteral("No output device is registered under the name \"%1\".").arg(deviceType_));
    }
    setupChanged_ = false;
    savedPrinterSetup_ = std::make_unique<TppPrinterSetup>(printerSetup_);
    try {
        if (const ClassInfo* printerClass = DeviceClasses::instance().Find(QStringLiteral("Printer"))) {
            printerDevice_ = createDevice(*printerClass);
            printerDevice_->SetExclusive(true);
            if (TppPrinter* printer = printerDevice_->Printer())
                printer->ApplySetup(printerSetup_);
        }

        if (showPrintDialog_)
            printDialog_ = FormRegistry::instance().CreateForm<TppCustomPrintDialog>();
        if (printDialog_) {
            printDialog_->Report = this;
            printDialog_->DeviceType = deviceType_;
            printDialog_->Printer = printerDevice_ ? printerDevice_->Printer() : nullptr;
            printDialog_->LanguageIndex = LanguageIndex;
            printDialog_->Icon = icon_.Image();
            printDialog_->AllowPrintToArchive = allowPrintToArchive_;
            printDialog_->AllowPrintToFile = allowPrintToFile_;
            printDialog_->ArchiveFileName = archiveFileName_;
            printDialog_->TextFileName = textFileName_;
            printDialog_->CurrentPage = CurrentPage;
            OnPrintDialogCreate(this);
            notify(ciProducerPrintDialogCreate);
            const bool accepted = printDialog_->ShowModal();
            OnPrintDialogClose(this);
            notify(ciProducerPrintDialogClose);
            if (!accepted) {
                cleanup();
                return;
            }
        }

        // A file device when the dialog asks for one, or, without a dialog,
        // when DeviceType names one; else the printer.
        const ClassInfo* fileClass = nullptr;
        QString fileName;
        if (printDialog_) {
            if (printDialog_->PrintToFile) {
                fileClass = DeviceClasses::instance().Find(printDialog_->FileDeviceName);
                fileName = printDialog_->TextFileName;
            } else if (printDialog_->PrintToArchive) {
                fileClass = DeviceClasses::instance().Find(QStringLiteral("ArchiveFile"));
                fileName = printDialog_->ArchiveFileName;
            }
        } else if (deviceClass->inheritsFrom(QStringLiteral("TppFileDevice"))) {
            fileClass = deviceClass;
            fileName = deviceClass->inheritsFrom(QStringLiteral("TppArchiveDevice")) ? archiveFileName_
                                                                                     : textFileName_;
        }

        TppDevice* chosen = nullptr;
        if (fileClass) {
            fileDevice_ = createDevice(*fileClass);
            PrepareFileDevice(*fileDevice_, fileName);
            if (printDialog_)
                fileDevice_->SetPageRequest(printDialog_->PageRequest);
            chosen = fileDevice_;
        } else {
            if (!printerDevice_)
                throw EPrintError(QStringLiteral("No printer device is registered."));
            TppPrinter* printer = printerDevice_->Printer();
            if (printer && !printer->HasUsableContext()) {
                Warn(QStringLiteral("Windows cannot print due to a problem with the current printer setup."));
                cleanup();
                return;
            }
            if (printDialog_)
                printerDevice_->SetPageRequest(printDialog_->PageRequest);
            chosen = printerDevice_;
        }
        chosen->SetPublisher(&publisher_);

        if (TppPrinter* printer = chosen == printerDevice_ ? printerDevice_->Printer() : nullptr)
            printerSetup_.Assign(printer->CurrentSetup());
        if (!printerSetup_.SameSettings(*savedPrinterSetup_) ||
            !printerSetup_.SameLayout(*savedPrinterSetup_)) {
            // Pages made for the old paper are made again.
            setupChanged_ = true;
            producing_ = false;
            publisher_.ResetCache();
            Reset();
            producing_ = true;
        }

        if (showCancelDialog_)
            cancelDialog_ = FormRegistry::instance().CreateForm<TppCustomCancelDialog>();
        if (!cancelDialog_) {
            RunPrintJob();
            return;
        }
        cancelDialog_->Report = this;
        cancelDialog_->LanguageIndex = LanguageIndex;
        cancelDialog_->Icon = icon_.Image();
        cancelDialog_->OnDestroy = [this](TppForm*) {
            cancelDialog_ = nullptr;
            for (TppDevice* device : {printerDevice_, fileDevice_})
                if (device)
                    device->CancelDialog = nullptr;
        };
        cancelDialog_->OnCancel = [this] {
            Cancel();
            OnCancel(this);
            notify(ciProducerCancel);
        };
        cancelDialog_->OnClose = [this] {
            OnCancelDialogClose(this);
            notify(ciProducerCancelDialogClose);
        };
        chosen->CancelDialog = cancelDialog_;
        OnCancelDialogCreate(this);
        notify(ciProducerCancelDialogCreate);
        if (modalCancelDialog_) {
            cancelDialog_->OnActivate = [this] { RunPrintJob(); };
            // The job ends inside the modal loop; the dialog is freed once
            // the loop has returned.
            struct ModalScope {
                TppProducer& producer;
                ~ModalScope() {
                    producer.cancelDialogModal_ = false;
                    delete std::exchange(producer.closedCancelDialog_, nullptr);
                }
            } scope{*this};
            cancelDialogModal_ = true;
            TppCustomCancelDialog* dialog = cancelDialog_;
            dialog->ShowModal();
        } else {
            cancelDialog_->Show();
            RunPrintJob();
        }
    } catch (...) {
        if (producing_)
            cleanup();
        throw;
    }
}

void TppProducer::SetLanguage(TppLanguageType value) {
    if (Printing())
        return;
    TppResourceManager& languages = TppResourceManager::instance();
    if (languages.SetLanguage(value)) {
        language_ = value;
    } else if (isLoading()) {
        languages.SetLanguage(lgDefault);
        language_ = lgDefault;
    }
}

void TppProducer::RunPrintJob() {
    TppCustomEngine* engine = Engine();
    if (!engine || !engine->Busy())
        publisher_.CachePages = cachePages_;
    try {
        PrepareForJob();
        BeforePrint(this);
        if (!jobPrimed_ && !cancelPending_)
            publisher_.Reset();
        jobPrimed_ = true;
        cancelPending_ = false;
        publisher_.BeginJob();
        publisher_.RequestPages();
    } catch (...) {
        endJob();
        throw;
    }
    endJob();
}

void TppProducer::endJob() {
    if (cancelPending_)
        publisher_.AbortJob();
    else
        publisher_.FinishJob();
    if (publisher_.Devices().isEmpty() || publisher_.AllDevicesAreScreen())
        return;
    AfterPrint(this);
    OnPrintingComplete(this);
    BroadcastEvent(this, ciProducerPrintingComplete);
    // A preview keeps its pipelines open for the pages it asks for next.
    if (TppCustomEngine* engine = Engine(); engine && !engine->Busy())
        engine->ClosePipelines();
    cleanup();
}

void TppProducer::cleanup() {
    if (cancelDialog_)
        cancelDialog_->Close();
    if (setupChanged_) {
        producing_ = false;
        publisher_.ResetCache();
        Reset();
    }
    if (!savePrinterSetup_ && savedPrinterSetup_)
        printerSetup_.Assign(*savedPrinterSetup_);
    if (TppCustomCancelDialog* dialog = std::exchange(cancelDialog_, nullptr)) {
        dialog->OnDestroy = nullptr;
        for (TppDevice* device : {printerDevice_, fileDevice_})
            if (device)
                device->CancelDialog = nullptr;
        if (cancelDialogModal_)
            closedCancelDialog_ = dialog;
        else
            delete dialog;
    }
    delete std::exchange(printDialog_, nullptr);
    savedPrinterSetup_.reset();
    delete std::exchange(fileDevice_, nullptr);
    delete std::exchange(printerDevice_, nullptr);
    producing_ = false;
    setupChanged_ = false;
    notify(ciProducerJobCleanedUp);
}

void TppProducer::handlePageRequest(TppPageRequest& request) {
    OnPageRequest(&publisher_, &request);
    TppCustomEngine* engine = Engine();
    if (!engine || engine->Busy())
        return;
    SetPrinting(true);
    TppPage& page = engine->Page();
    if (!page.PrinterSetup().SameSettings(printerSetup_) || !page.PrinterSetup().SameLayout(printerSetup_)) {
        publisher_.ResetCache();
        engine->Reset();
    }
    page.SetPrinterSetup(printerSetup_);
    page.SetSourceReport(this);
    try {
        engine->Printing = true;
        engine->GeneratePages(request, publisher_);
        engine->Printing = false;
    } catch (...) {
        engine->Printing = false;
        engine->Reset();
        SetPrinting(false);
        throw;
    }
    SetPrinting(false);
    if (engine->StopPrinting)
        engine->Reset();
}
