#pragma once

#include "DesignerSettings.h"
#include "ReportWizardChoices.h"
#include "TppCommunicator.h"

#include <QPointer>
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
    explicit TppDesigner(OwnedComponent* owner = nullptr);
    ~TppDesigner() override;

    TppCustomReport* Report() const { return report_; }
    void SetReport(TppCustomReport* report);

    QString Caption = QStringLiteral("Pagewright");
    bool AllowDataSettingsChange = false;
    bool AllowSaveToFile = true;
    bool EnableHelp = true;
    QString HelpFile;
    bool ShowData = true;
    bool TabsVisible = true;
    bool Visible = true;
    int WindowLeft = 100;
    int WindowTop = 50;
    int WindowWidth = 600;
    int WindowHeight = 400;
    int WindowState = 0;
    int WindowTag = 0;
    QString IniStorageType = QStringLiteral("IniFile");
    QString IniStorageName = QStringLiteral("($WINSYS)\\Pwright.ini");

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
    TppDesignerWindow* Form() const { return window_; }
    // The store the window's settings go through, none for an unknown kind.
    std::unique_ptr<DesignerSettingsStore> CreateSettingsStore() const;

    void Notify(TppCommunicator* sender, int operation) override;

private:
    void windowClosed();
    void handDataEventsTo(TppDesignerWindow& window);

    TppCustomReport* report_ = nullptr;
    QStringList showComponents_;
    unsigned rapInterface_ = riDialog | riNotebookTab;
    unsigned rapOptions_ = 63;
    QString settingsFolder_;
    DesignerDialogs* dialogs_ = nullptr;
    std::unique_ptr<DesignerDialogs> ownDialogs_;
    QPointer<TppDesignerWindow> window_;
    // OnDestroy's link to a window that may be deleted after us (a closed
    // window goes later): cut when we go.
    QMetaObject::Connection windowDestroyed_;
};
