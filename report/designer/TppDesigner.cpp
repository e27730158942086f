#include "TppDesigner.h"

#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "PagewrightErrors.h"
#include "PropertyPanel.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDesignerWindow.h"
#include "TppNotifyOperation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

const QStringList& showComponentNames() {
    static const QStringList names = {
        QStringLiteral("scBarCode"),        QStringLiteral("scDBText"),   QStringLiteral("scLabel"),
        QStringLiteral("scMemo"),           QStringLiteral("scRichText"), QStringLiteral("scCalc"),
        QStringLiteral("scImage"),          QStringLiteral("scShape"),    QStringLiteral("scLine"),
        QStringLiteral("scTeeChart"),       QStringLiteral("scDBMemo"),   QStringLiteral("scDBRichText"),
        QStringLiteral("scDBCalc"),         QStringLiteral("scDBImage"),  QStringLiteral("scDBBarCode"),
        QStringLiteral("scDBTeeChart"),     QStringLiteral("scRegion"),   QStringLiteral("scSubReport"),
        QStringLiteral("scSystemVariable"), QStringLiteral("scVariable")};
    return names;
}

TppDesigner::TppDesigner(OwnedComponent* owner)
    : TppCommunicator(owner), showComponents_(showComponentNames()) {}

TppDesigner::~TppDesigner() {
    markDestroying();
    QObject::disconnect(windowDestroyed_);
    delete window_.data();
    SetReport(nullptr);
}

void TppDesigner::SetReport(TppCustomReport* report) {
    if (report_ == report)
        return;
    if (report_)
        UnlinkFrom(report_);
    report_ = report;
    if (report_)
        LinkTo(report_);
}

void TppDesigner::Notify(TppCommunicator* sender, int operation) {
    if (operation == ppopRemove && sender == report_) {
        // The window edits the report; it cannot outlive it.
        delete window_.data();
        report_ = nullptr;
    }
    // A template replaces the layout in place (the application's "Show
    // Report" loads the file again): nothing of the old layout may stay
    // selected or undoable.
    if (sender == report_ && window_) {
        if (operation == ppopReplacingLayout)
            window_->controller().layoutReplaced();
        else if (operation == ppopLayoutRebuilt)
            window_->refresh();
    }
    TppCommunicator::Notify(sender, operation);
}

void TppDesigner::SetShowComponents(const QStringList& elements) {
    showComponents_ = elements;
    if (window_)
        window_->setHiddenClasses(HiddenClasses());
}

QStringList TppDesigner::HiddenClasses() const {
    QStringList hidden;
    for (const QString& element : showComponentNames())
        if (!showComponents_.contains(element, Qt::CaseInsensitive))
            hidden << QStringLiteral("Tpp") + element.mid(2);
    return hidden;
}

void TppDesigner::SetRAPInterface(unsigned options) {
    rapInterface_ = options & (riDialog | riNotebookTab);
    if (rapInterface_ == 0)
        rapOptions_ = 0;
    else if (rapInterface_ == riDialog)
        rapOptions_ = roViewVariables | roEditVariables;
    else
        rapOptions_ = 63;
}

void TppDesigner::SetRAPOptions(unsigned options) {
    if (rapInterface_ == 0)
        return;
    options &= 63;
    if (rapInterface_ == riDialog) {
        rapOptions_ = (options & (roViewVariables | roEditVariables)) | roViewVariables;
        return;
    }
    options |= roViewVariables;
    if (options & roEditEvents)
        options |= roViewEvents;
    if (options & roEditGlobals)
        options |= roViewGlobals;
    rapOptions_ = options;
}

std::unique_ptr<DesignerSettingsStore> TppDesigner::CreateSettingsStore() const {
    QString folder = settingsFolder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return createSettingsStore(IniStorageType, IniStorageName, folder);
}

namespace {

void handReportTabs(TppDesigner& designer, TppDesignerWindow& window) {
    window.setTabsVisible(designer.TabsVisible);
    window.onReportSelected = [&designer](TppCustomReport* report) {
        if (designer.OnReportSelected)
            designer.OnReportSelected(report);
    };
}

} // namespace

TppDesignerWindow* TppDesigner::CreateDesignerWindow() {
    if (window_)
        throw EDesignError(
            QStringLiteral("TppDesigner.CreateDesignerWindow: DesignerWindow already exists."));
    if (!report_)
        throw EDesignError(QStringLiteral("The designer has no report to edit."));
    QtDesignerDialogs* standard = nullptr;
    if (!dialogs_ && !ownDialogs_)
        ownDialogs_ = std::make_unique<QtDesignerDialogs>(nullptr);
    if (!dialogs_)
        standard = static_cast<QtDesignerDialogs*>(ownDialogs_.get());
    auto* window = new TppDesignerWindow(*report_, dialogs_ ? *dialogs_ : *ownDialogs_);
    if (standard)
        standard->setParentWidget(window);
    window_ = window;
    window->setWindowTitle(Caption);
    window->setAllowSaveToFile(AllowSaveToFile);
    window->setHiddenClasses(HiddenClasses());
    handDataEventsTo(*window);
    window->setGeometry(WindowLeft, WindowTop, WindowWidth, WindowHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->setGeometry(frame);
    }
    window->controller().onCreateComponent = [this](TppComponent* component) {
        if (OnCreateComponent)
            OnCreateComponent(component);
    };
    window->controller().onValidateComponent = [this](TppComponent* component) {
        return OnValidateComponent ? OnValidateComponent(component) : true;
    };
    window->onSelectionChanged = [this](TppComponent* component) {
        if (OnSelectionChanged)
            OnSelectionChanged(component);
    };
    window->controller().onDestroyComponent = [this](TppComponent* component) {
        if (OnDestroyComponent)
            OnDestroyComponent(component);
    };
    const auto forward = [](const std::function<void()>& event) {
        return [&event] {
            if (event)
                event();
        };
    };
    window->onActivate = forward(OnActivate);
    window->onDeactivate = forward(OnDeactivate);
    window->onShow = forward(OnShow);
    window->onHide = forward(OnHide);
    window->onResize = forward(OnResize);
    window->onCloseQuery = [this] {
        bool canClose = true;
        if (OnCloseQuery)
            OnCloseQuery(canClose);
        return canClose;
    };
    window->helpFile = HelpFile;
    window->enableHelp = EnableHelp;
    if (OnHelp)
        window->onHelp = [this](QString& file, bool& enabled) { OnHelp(file, enabled); };
    window->onTabChange = [this](int page) {
        if (OnTabChange)
            OnTabChange(page);
    };
    window->onTabChanged = [this](int page) {
        if (OnTabChanged)
            OnTabChanged(page);
    };
    handReportTabs(*this, *window);
    if (OnCustomOpenDoc)
        window->onCustomOpenDoc = [this] { return OnCustomOpenDoc(); };
    if (OnCustomSaveDoc)
        window->onCustomSaveDoc = [this] { return OnCustomSaveDoc(); };
    QObject::disconnect(windowDestroyed_);
    windowDestroyed_ = QObject::connect(window, &QObject::destroyed, [this] {
        if (OnDestroy)
            OnDestroy();
    });
    window->onClosed = [this] { windowClosed(); };
    window->settingsStore = [this] { return CreateSettingsStore(); };
    if (auto store = CreateSettingsStore()) {
        try {
            window->applySettings(DesignerSettings::read(*store));
        } catch (const std::exception&) {
            // Settings that cannot be read leave the defaults.
        }
    }
    if (OnCreate)
        OnCreate();
    return window;
}

void TppDesigner::Show() {
    if (!window_)
        CreateDesignerWindow();
    // OnShow comes from the window's show event.
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void TppDesigner::handDataEventsTo(TppDesignerWindow& window) {
    // Unset events leave the window's hooks empty, so that the report's own data serves.
    if (OnGetDataNames)
        window.wizardHooks.getDataNames = [this] { return OnGetDataNames(); };
    if (OnGetFields)
        window.wizardHooks.getFields = [this](const QString& dataName) { return OnGetFields(dataName); };
    if (OnCreateReport)
        window.wizardHooks.createReport = [this](const QString& dataName) {
            return OnCreateReport(dataName);
        };
    window.controller().onAssignField = [this](TppComponent* component) {
        if (OnAssignField)
            OnAssignField(component, component->DataPipeline(), component->DataField());
    };
    window.propertyPanel().onGetDisplayFormats = [this](TppComponent* component, TppDataType dataType,
                                                        QStringList& formats) {
        if (OnGetDisplayFormats)
            OnGetDisplayFormats(component, dataType, formats);
    };
}

void TppDesigner::windowClosed() {
    TppDesignerWindow* window = window_;
    if (!window)
        return;
    const DesignerSettings settings = window->currentSettings();
    if (auto store = CreateSettingsStore()) {
        try {
            settings.write(*store);
        } catch (const std::exception&) {
            // A settings file that cannot be written costs the settings, not the close.
        }
    }
    if (OnClose)
        OnClose();
    if (settings.freeOnClose) {
        window_ = nullptr;
        window->deleteLater();
    }
}
