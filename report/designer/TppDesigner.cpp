#include "TppDesigner.h"

#include "ClassBuilder.h"
#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "EnumerationNames.h"
#include "PagewrightErrors.h"
#include "PropertyPanel.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDesignerWindow.h"
#include "TppNotifyOperation.h"
#include "WindowStates.h"

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

namespace {

// ShowComponents as a set: bit i stands for showComponentNames()[i].
unsigned shownSet(const TppDesigner& designer) {
    unsigned set = 0;
    const QStringList& names = showComponentNames();
    for (int index = 0; index < names.size(); ++index)
        if (designer.ShowComponents().contains(names.at(index)))
            set |= 1u << index;
    return set;
}

void setShownSet(TppDesigner& designer, unsigned set) {
    QStringList shown;
    const QStringList& names = showComponentNames();
    for (int index = 0; index < names.size(); ++index)
        if (set & (1u << index))
            shown << names.at(index);
    designer.SetShowComponents(shown);
}

} // namespace

const ClassInfo& TppDesigner::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDesigner>("TppDesigner", &TppCommunicator::staticClassInfo(), [](auto& c) {
            using D = TppDesigner;
            c.property("AllowDataSettingsChange", &D::AllowDataSettingsChange, &D::SetAllowDataSettingsChange)
                .withDefault(false);
            c.property("AllowSaveToFile", &D::AllowSaveToFile, &D::SetAllowSaveToFile).withDefault(true);
            c.property("Caption", &D::Caption, &D::SetCaption).startsAs(QStringLiteral("Pagewright"));
            c.property("EnableHelp", &D::EnableHelp, &D::SetEnableHelp).withDefault(true);
            c.property("HelpFile", &D::HelpFile, &D::SetHelpFile);
            c.object("Icon", [](D& d) -> Persistent* { return &d.icon_; });
            c.property("IniStorageName", &D::IniStorageName, &D::SetIniStorageName)
                .startsAs(QStringLiteral("($WINSYS)\\Pwright.ini"));
            c.property("IniStorageType", &D::IniStorageType, &D::SetIniStorageType)
                .startsAs(QStringLiteral("IniFile"));
            c.property("Position", &D::Position, &D::SetPosition)
                .names({"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                        "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
                .withDefault(poScreenCenter);
            c.property("RAPInterface", &D::RAPInterface, &D::SetRAPInterface)
                .names({"riDialog", "riNotebookTab"})
                .withDefault(riDialog | riNotebookTab);
            c.property("RAPOptions", &D::RAPOptions, &D::SetRAPOptions)
                .names({"roViewVariables", "roEditVariables", "roViewEvents", "roEditEvents", "roViewGlobals",
                        "roEditGlobals"})
                .withDefault(63u);
            c.reference("Report", &D::Report, &D::SetReport);
            c.property("ShowComponents", &shownSet, &setShownSet)
                .names(showComponentNames())
                .withDefault((1u << showComponentNames().size()) - 1);
            c.property("ShowData", &D::ShowData, &D::SetShowData).withDefault(true);
            c.property("TabsVisible", &D::TabsVisible, &D::SetTabsVisible).withDefault(true);
            c.property("Visible", &D::Visible, &D::SetVisible).withDefault(true);
            c.property("WindowHeight", &D::WindowHeight, &D::SetWindowHeight).withDefault(400);
            c.property("WindowLeft", &D::WindowLeft, &D::SetWindowLeft).withDefault(100);
            c.property("WindowState", &D::WindowState, &D::SetWindowState)
                .names(enumerationNames("TppWindowState"))
                .withDefault(wsNormal);
            c.property("WindowTag", &D::WindowTag, &D::SetWindowTag).withDefault(0);
            c.property("WindowTop", &D::WindowTop, &D::SetWindowTop).withDefault(50);
            c.property("WindowWidth", &D::WindowWidth, &D::SetWindowWidth).withDefault(600);
        });
    return info;
}

TppDesigner::TppDesigner(OwnedComponent* owner)
    : TppCommunicator(owner), showComponents_(showComponentNames()) {}

TppDesigner::~TppDesigner() {
    markDestroying();
    QObject::disconnect(windowDestroyed_);
    delete window_.data();
    delete closing_.data();
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

void TppDesigner::SetCaption(const QString& caption) {
    caption_ = caption;
    updateWindow();
}

void TppDesigner::SetIcon(const TppIcon& icon) {
    icon_.Assign(icon);
    updateWindow();
}

void TppDesigner::SetAllowSaveToFile(bool allow) {
    allowSaveToFile_ = allow;
    updateWindow();
}

void TppDesigner::SetEnableHelp(bool enable) {
    enableHelp_ = enable;
    updateWindow();
}

void TppDesigner::SetHelpFile(const QString& file) {
    helpFile_ = file;
    updateWindow();
}

void TppDesigner::SetShowData(bool show) {
    showData_ = show;
    if (window_)
        window_->setDataTreeVisible(show);
}

void TppDesigner::SetTabsVisible(bool visible) {
    tabsVisible_ = visible;
    updateWindow();
}

bool TppDesigner::Visible() const {
    return window_ ? window_->isVisible() : visible_;
}

void TppDesigner::SetVisible(bool visible) {
    visible_ = visible;
    if (window_)
        window_->setVisible(visible);
}

QRect TppDesigner::bounds() const {
    return window_ ? window_->geometry() : bounds_;
}

void TppDesigner::setBounds(const QRect& bounds) {
    bounds_ = bounds;
    if (window_)
        window_->setGeometry(bounds);
}

void TppDesigner::SetWindowLeft(int left) {
    setBounds(bounds().translated(left - bounds().x(), 0));
}

void TppDesigner::SetWindowTop(int top) {
    setBounds(bounds().translated(0, top - bounds().y()));
}

void TppDesigner::SetWindowWidth(int width) {
    QRect changed = bounds();
    changed.setWidth(width);
    setBounds(changed);
}

void TppDesigner::SetWindowHeight(int height) {
    QRect changed = bounds();
    changed.setHeight(height);
    setBounds(changed);
}

TppWindowState TppDesigner::WindowState() const {
    return window_ ? windowStateOf(window_->windowState()) : windowState_;
}

void TppDesigner::SetWindowState(TppWindowState state) {
    windowState_ = state;
    if (window_)
        window_->setWindowState(withWindowState(window_->windowState(), state));
}

void TppDesigner::SetWindowTag(int tag) {
    windowTag_ = tag;
    updateWindow();
}

void TppDesigner::updateWindow() const {
    if (!window_)
        return;
    window_->setCaption(caption_);
    applyWindowIcon(*window_, icon_.Image());
    window_->setAllowSaveToFile(allowSaveToFile_);
    window_->setTabsVisible(tabsVisible_);
    window_->helpFile = helpFile_;
    window_->enableHelp = enableHelp_;
    window_->setProperty("tag", windowTag_);
}

void TppDesigner::Notify(TppCommunicator* sender, int operation) {
    if (operation == ppopRemove && sender == report_) {
        // The window edits the report; it cannot outlive it, not even
        // while a close waits to free it.
        delete window_.data();
        delete closing_.data();
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
    return createSettingsStore(iniStorageType_, iniStorageName_, folder);
}

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
    updateWindow();
    window->setHiddenClasses(HiddenClasses());
    window->setDataTreeVisible(showData_);
    handDataEventsTo(*window);
    window->setGeometry(bounds_);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && position_ >= poScreenCenter) {
        // The window has no owner form of its own: every centred placement
        // centres it on the screen.
        QRect frame = window->geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->setGeometry(frame);
    }
    window->setWindowState(withWindowState(window->windowState(), windowState_));
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
    window->onReportSelected = [this](TppCustomReport* report) {
        if (OnReportSelected)
            OnReportSelected(report);
    };
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
            // The user's last choice, once there is one, wins over the component's.
            DesignerSettings defaults;
            defaults.showData = showData_;
            window->applySettings(DesignerSettings::read(*store, defaults));
        } catch (const std::exception&) {
            // Settings that cannot be read leave the defaults.
        }
    }
    if (OnCreate)
        OnCreate();
    return window;
}

TppDesignerWindow* TppDesigner::Form() const {
    return window_;
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
        closing_ = window;
        window->deleteLater();
    }
}
