#pragma once

#include "DesignerSettings.h"
#include "ReportWizardChoices.h"
#include "TppCommunicator.h"
#include "TppIcon.h"
#include "TppPreviewFormSettings.h"

#include <QPointer>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>

class DesignerDialogs;
class TppComponent;
class TppCustomReport;
class TppDataPipeline;
class TppDesignerWindow;

// The elements of ShowComponents; each stands for the class "Tpp" + its
// name without "sc".
const QStringList& showComponentNames();

enum TppRAPInterfaceOption : unsigned { riDialog = 1, riNotebookTab = 2 };
// Where the window first appears.
enum TPosition : int {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

enum TppRAPOption : unsigned {
    roViewVariables = 1,
    roEditVariables = 2,
    roViewEvents = 4,
    roEditEvents = 8,
    roViewGlobals = 16,
    roEditGlobals = 32
};

// The designer as an application places it beside its report: settings
// that the window takes when it opens (and that update an open window),
// the events handed to it, and the settings store the window reads when it
// opens and writes when it closes. Show creates the window once.
class TppDesigner : public TppCommunicator {
public:
    PW_CLASS_INFO
    explicit TppDesigner(OwnedComponent* owner = nullptr);
    ~TppDesigner() override;

    TppCustomReport* Report() const { return report_; }
    void SetReport(TppCustomReport* report);

    // The published settings. Set while no window is open they are taken
    // when it opens; set later they change the open window, whose bounds
    // are then read back from it.
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AllowDataSettingsChange() const { return allowDataSettingsChange_; }
    void SetAllowDataSettingsChange(bool allow) { allowDataSettingsChange_ = allow; }
    bool AllowSaveToFile() const { return allowSaveToFile_; }
    void SetAllowSaveToFile(bool allow);
    bool EnableHelp() const { return enableHelp_; }
    void SetEnableHelp(bool enable);
    const QString& HelpFile() const { return helpFile_; }
    // The window's icon; an empty one leaves the program's own.
    const TppIcon& Icon() const { return icon_; }
    void SetIcon(const TppIcon& icon);
    void SetHelpFile(const QString& file);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    bool ShowData() const { return showData_; }
    void SetShowData(bool show);
    bool TabsVisible() const { return tabsVisible_; }
    void SetTabsVisible(bool visible);
    bool Visible() const;
    void SetVisible(bool visible);
    int WindowLeft() const { return bounds().x(); }
    void SetWindowLeft(int left);
    int WindowTop() const { return bounds().y(); }
    void SetWindowTop(int top);
    int WindowWidth() const { return bounds().width(); }
    void SetWindowWidth(int width);
    int WindowHeight() const { return bounds().height(); }
    void SetWindowHeight(int height);
    TppWindowState WindowState() const;
    void SetWindowState(TppWindowState state);
    int WindowTag() const { return windowTag_; }
    void SetWindowTag(int tag);
    const QString& IniStorageType() const { return iniStorageType_; }
    void SetIniStorageType(const QString& type) { iniStorageType_ = type; }
    const QString& IniStorageName() const { return iniStorageName_; }
    void SetIniStorageName(const QString& name) { iniStorageName_ = name; }

    // The elements shown ("scLabel", …); all of them by default.
    const QStringList& ShowComponents() const { return showComponents_; }
    void SetShowComponents(const QStringList& elements);
    // The classes the palette leaves out because their element is cleared.
    QStringList HiddenClasses() const;

    unsigned RAPInterface() const { return rapInterface_; }
    void SetRAPInterface(unsigned options);
    unsigned RAPOptions() const { return rapOptions_; }
    void SetRAPOptions(unsigned options);

    // The events handed to the window.
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnResize;
    std::function<void()> OnClose;
    // Set the flag false to keep the window open.
    std::function<void(bool& canClose)> OnCloseQuery;
    // The window was made, and is being destroyed.
    std::function<void()> OnCreate;
    std::function<void()> OnDestroy;
    std::function<void(TppComponent*)> OnCreateComponent;
    // False refuses the new component, which is freed.
    std::function<bool(TppComponent*)> OnValidateComponent;
    // A delete or cut is about to free the component.
    std::function<void(TppComponent*)> OnDestroyComponent;
    std::function<void(TppComponent*)> OnSelectionChanged;
    // The help file and whether help is on, preset from HelpFile and EnableHelp.
    std::function<void(QString& helpFile, bool& enabled)> OnHelp;
    // Before and after the design (0) or preview (1) page is shown.
    std::function<void(int page)> OnTabChange;
    std::function<void(int page)> OnTabChanged;
    // A report tab was chosen: the main report or a subreport's child report.
    std::function<void(TppCustomReport* report)> OnReportSelected;
    // Replace Open and Save; they answer whether they went through.
    std::function<bool()> OnCustomOpenDoc;
    std::function<bool()> OnCustomSaveDoc;
    // The data the report wizards offer, and the report they build into;
    // each one set takes the place of the report's own pipelines and report.
    std::function<QStringList()> OnGetDataNames;
    std::function<QList<TppWizardField>(const QString& dataName)> OnGetFields;
    std::function<TppCustomReport*(const QString& dataName)> OnCreateReport;
    // A data-aware component was given a field or a pipeline.
    std::function<void(TppComponent* component, TppDataPipeline* pipeline, const QString& fieldName)>
        OnAssignField;
    // May change the display formats offered for a component's values of that type.
    std::function<void(TppComponent* component, TppDataType dataType, QStringList& formats)>
        OnGetDisplayFormats;

    // Where the stores keep their files (the platform's settings folder);
    // the dialogs the window asks through (message boxes when none).
    void SetSettingsFolder(const QString& folder) { settingsFolder_ = folder; }
    void SetDialogs(DesignerDialogs* dialogs) { dialogs_ = dialogs; }

    // Creates the window when there is none, and shows it.
    void Show();
    // Raises EDesignError when the window exists already.
    TppDesignerWindow* CreateDesignerWindow();
    TppDesignerWindow* Form() const;
    // The store the window's settings go through, none for an unknown kind.
    std::unique_ptr<DesignerSettingsStore> CreateSettingsStore() const;

    void Notify(TppCommunicator* sender, int operation) override;

private:
    QRect bounds() const;
    void setBounds(const QRect& bounds);
    // Puts the settings a window shows on the open one.
    void updateWindow() const;
    void windowClosed();
    void handDataEventsTo(TppDesignerWindow& window);

    TppCustomReport* report_ = nullptr;
    QString caption_ = QStringLiteral("Pagewright");
    bool allowDataSettingsChange_ = false;
    bool allowSaveToFile_ = true;
    bool enableHelp_ = true;
    QString helpFile_;
    TppIcon icon_;
    TPosition position_ = poScreenCenter;
    bool showData_ = true;
    bool tabsVisible_ = true;
    bool visible_ = true;
    QRect bounds_{100, 50, 600, 400};
    TppWindowState windowState_ = wsNormal;
    int windowTag_ = 0;
    QString iniStorageType_ = QStringLiteral("IniFile");
    QString iniStorageName_ = QStringLiteral("($WINSYS)\\Pwright.ini");
    QStringList showComponents_;
    unsigned rapInterface_ = riDialog | riNotebookTab;
    unsigned rapOptions_ = 63;
    QString settingsFolder_;
    DesignerDialogs* dialogs_ = nullptr;
    std::unique_ptr<DesignerDialogs> ownDialogs_;
    QPointer<TppDesignerWindow> window_;
    // A closed window its close frees later.
    QPointer<TppDesignerWindow> closing_;
    // OnDestroy's link to a window that may be deleted after us (a closed
    // window goes later): cut when we go.
    QMetaObject::Connection windowDestroyed_;
};
