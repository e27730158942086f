#pragma once

#include "DesignerScriptObjects.h"
#include "DesignerSettings.h"
#include "FieldDrag.h"
#include "NewReportCommands.h"
#include "RecentReports.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class DesignWorkspace;
class DesignerController;
class DesignerDialogs;
class PropertyPanel;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QTabWidget;
class QToolBar;
class ReportTabs;
class TextMeasurer;
class TppComponent;
class TppCustomPreview;
class TppDataTreeWindow;
class TppCustomReport;

// The designer window: the design page (palette, workspace with rulers,
// property panel) and the preview page, with the menus and toolbars of
// the file, edit, view, report and help commands, and a status bar in
// report units. Every slot catches what its action throws and shows it.
class TppDesignerWindow : public QMainWindow {
    Q_OBJECT
public:
    TppDesignerWindow(TppCustomReport& report, DesignerDialogs& dialogs, QWidget* parent = nullptr);
    ~TppDesignerWindow() override;

    TppCustomReport& report() const { return report_; }
    // What scripts see as the report's ReportDesigner while this window is open.
    TraForm& ScriptForm() { return scriptForm_; }
    // ... and as its components' DesignControl and SelectionObject.
    DesignerScriptObjects& scriptObjects() { return *scriptObjects_; }
    DesignerController& controller() const { return *controller_; }
    DesignWorkspace& workspace() const { return *workspace_; }
    PropertyPanel& propertyPanel() const { return *properties_; }
    QTabWidget& pages() const { return *pages_; }
    QLabel& statusText() const { return *status_; }
    TppDataTreeWindow& dataTree() const { return *dataTree_; }
    // The main report's tab and one for each child report, above the workspace.
    ReportTabs& reportTabs() const { return *reportTabs_; }
    void setTabsVisible(bool visible);
    // What sizes the labels and fields of a drop (the screen's fonts unless a test says otherwise).
    void setTextMeasurer(const TextMeasurer& measurer) { measurer_ = &measurer; }
    // The group dialog, modal; true when its OK went through.
    bool editGroups();
    // The outline settings dialog; OK changes the settings as one undoable step.
    bool editOutlineSettings();
    // The store the group dialog keeps its place in; none leaves it where Qt puts it.
    std::function<std::unique_ptr<DesignerSettingsStore>()> settingsStore;
    RecentReports& recentReports() { return recent_; }
    // The palette's actions by class name, and the select arrow under "".
    QAction* paletteAction(const QString& className) const;
    QAction* action(const QString& objectName) const;

    // Classes the palette leaves out ("TppBarCode" for scBarCode cleared).
    void setHiddenClasses(const QStringList& classNames);
    void setAllowSaveToFile(bool allow);
    void applySettings(const DesignerSettings& settings);
    DesignerSettings currentSettings() const;
    // Told when the window closes (after the save prompt let it).
    std::function<void()> onClosed;
    std::function<void(TppComponent*)> onSelectionChanged;
    // The window's own events, as the designer component hands them on.
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    // May refuse the close (false) once the save prompt let it through.
    std::function<bool()> onCloseQuery;
    std::function<void()> onHide;
    std::function<void()> onResize;
    std::function<void()> onShow;
    // Before and after the design or preview page is shown; 0 design, 1 preview.
    std::function<void(int)> onTabChange;
    std::function<void(int)> onTabChanged;
    // After a report tab was chosen and its report is designed.
    std::function<void(TppCustomReport*)> onReportSelected;
    // "Help Topics" and F1: the help file and whether help is on, which the handler may change.
    std::function<void(QString&, bool&)> onHelp;
    QString helpFile;
    bool enableHelp = true;
    // Replace the file commands when set: they answer whether they went through.
    std::function<bool()> onCustomOpenDoc;
    std::function<bool()> onCustomSaveDoc;
    // What New and New Report hand the wizards in place of the report's own data.
    WizardDataHooks wizardHooks;

    // The file commands, as the menu runs them; each answers whether it
    // went through (false when cancelled or refused).
    bool openReport(const QString& fileName = QString());
    // File > New (the registered wizards to choose from) and New Report
    // (the default wizard): runs the wizard on the report, then shows the
    // design, or the preview when the wizard asks for it.
    bool newReport(bool chooseWizard);
    bool saveReport();
    bool saveReportAs(const QString& fileName = QString());
    // "Loa&d From File..." and "Sa&ve to File...": a file whatever the template's target.
    bool openReportFromFile();
    bool saveReportToFile();
    // "Save changes to <name> ?" when the report is modified; false on Cancel.
    bool askSaveChanges();
    void showDesignPage();
    void showPreviewPage();
    void refresh();
    // The caption the title starts with, before the template's file name.
    void setCaption(const QString& caption);
    void setDataTreeVisible(bool visible);

    void showHelp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildPalette();
    void rebuildRecentMenu();
    void touchRecent();
    void updateActions();
    void selectionChanged();
    void pageChanged(int index);
    void reportSelected(TppCustomReport* report);
    void showPage(int index);
    bool guarded(const std::function<void()>& action);
    void clipboardCopy(bool cut);
    void clipboardPaste();
    QAction* addCommand(QMenu* menu, const QString& objectName, const QString& caption,
                        const std::function<void()>& slot, const QKeySequence& shortcut = {});
    void setReportProperty(const QString& path, const QVariant& value);
    QString templateDisplayName() const;
    void fieldsDropped(QPoint point, const QList<DraggedField>& fields);
    bool openFile(const QString& fileName);
    bool openFromDatabase();
    // A recent entry: a file, or a database record (see RecentTemplates.h).
    bool openRecent(const QStringList& entry);
    bool saveFile(const QString& fileName);

    TppCustomReport& report_;
    DesignerDialogs& dialogs_;
    TraForm scriptForm_;
    std::unique_ptr<DesignerController> controller_;
    std::unique_ptr<DesignerScriptObjects> scriptObjects_;
    QTabWidget* pages_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    DesignWorkspace* workspace_ = nullptr;
    ReportTabs* reportTabs_ = nullptr;
    PropertyPanel* properties_ = nullptr;
    TppDataTreeWindow* dataTree_ = nullptr;
    const TextMeasurer* measurer_ = nullptr;
    QToolBar* palette_ = nullptr;
    QActionGroup* paletteGroup_ = nullptr;
    QWidget* previewPage_ = nullptr;
    std::unique_ptr<TppCustomPreview> preview_;
    QByteArray previewSnapshot_;
    bool previewWasModified_ = false;
    QLabel* status_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QList<QAction*> recentActions_;
    QStringList hiddenClasses_;
    RecentReports recent_;
    QString caption_ = QStringLiteral("Pagewright");
    DesignerSettings settings_;
    bool allowSaveToFile_ = true;
};
