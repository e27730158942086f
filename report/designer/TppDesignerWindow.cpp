#include "TppDesignerWindow.h"

#include "BandToggleCommand.h"
#include "ClassRegistry.h"
#include "DesignWorkspace.h"
#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "LanguageStringNumbers.h"
#include "NewReportCommands.h"
#include "PageSetupDialog.h"
#include "PagewrightErrors.h"
#include "PreviewPanels.h"
#include "PrintToFileSetupDialog.h"
#include "PropertyPanel.h"
#include "RecentTemplates.h"
#include "ReportDataDialog.h"
#include "ReportTabs.h"
#include "SubReportTemplates.h"
#include "TextMeasurer.h"
#include "TppBand.h"
#include "TppCalc.h"
#include "TppComponent.h"
#include "TppCustomPreview.h"
#include "TppCustomReport.h"
#include "TppDataTreeWindow.h"
#include "TppGroupDialog.h"
#include "TppOutlineSettingsDialog.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TppResourceManager.h"
#include "TppStretchable.h"
#include "TppViewer.h"
#include "TppWizardRegistry.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The name Save As offers for a report that was never saved.
const QString kNewReportName = QStringLiteral("Untitled.rtm");

// The bases the component classes share ("TppCustomText") are registered for
// streams and scripts but are nothing a user places.
bool isComponentClass(const ClassInfo& info) {
    return info.isCreatable() && info.inheritsFrom(TppComponent::staticClassInfo()) &&
           info.name() != TppComponent::staticClassInfo().name() &&
           !info.name().startsWith(QLatin1String("TppCustom"));
}

} // namespace

TppDesignerWindow::TppDesignerWindow(TppCustomReport& report, DesignerDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), report_(report), dialogs_(dialogs),
      controller_(std::make_unique<DesignerController>(report)) {
    setWindowTitle(caption_);
    resize(790, 600);
    controller_->onError = [this](const QString& text) { dialogs_.showMessage(text); };
    scriptForm_.follow(*this);

    pages_ = new QTabWidget(this);
    auto* design = new QWidget(pages_);
    auto* designLayout = new QVBoxLayout(design);
    designLayout->setContentsMargins(0, 0, 0, 0);
    palette_ = new QToolBar(QStringLiteral("Components"), design);
    palette_->setObjectName(QStringLiteral("ComponentPalette"));
    designLayout->addWidget(palette_);
    reportTabs_ = new ReportTabs(*controller_, design);
    designLayout->addWidget(reportTabs_);
    auto* splitter = new QSplitter(design);
    scroll_ = new QScrollArea(splitter);
    scroll_->setBackgroundRole(QPalette::Dark);
    workspace_ = new DesignWorkspace(*controller_);
    scroll_->setWidget(workspace_);
    scriptObjects_ = std::make_unique<DesignerScriptObjects>(*controller_, *workspace_);
    properties_ = new PropertyPanel(*controller_, splitter);
    splitter->addWidget(scroll_);
    splitter->addWidget(properties_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    designLayout->addWidget(splitter);
    pages_->addTab(design, QStringLiteral("Design"));
    // The preview panel lays itself out in this page when first shown.
    previewPage_ = new QWidget(pages_);
    pages_->addTab(previewPage_, QStringLiteral("Preview"));
    setCentralWidget(pages_);

    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);

    dataTree_ = new TppDataTreeWindow(controller_->scope(), this);
    addDockWidget(Qt::RightDockWidgetArea, dataTree_);
    workspace_->onFieldsDropped = [this](QPoint point, const QList<DraggedField>& fields) {
        fieldsDropped(point, fields);
    };

    buildMenus();
    buildPalette();

    connect(controller_.get(), &DesignerController::statusTextChanged, status_, &QLabel::setText);
    connect(controller_.get(), &DesignerController::selectionChanged, this,
            &TppDesignerWindow::selectionChanged);
    connect(&controller_->undoStack(), &QUndoStack::indexChanged, this, [this] {
        QMetaObject::invokeMethod(properties_, &PropertyPanel::refresh, Qt::QueuedConnection);
        updateActions();
    });
    connect(pages_, &QTabWidget::currentChanged, this, &TppDesignerWindow::pageChanged);
    connect(reportTabs_, &ReportTabs::reportSelected, this, &TppDesignerWindow::reportSelected);
    // The tree's own close button is View > Show Data turned off.
    connect(dataTree_, &TppDataTreeWindow::closed, this, [this] { setDataTreeVisible(false); });
    selectionChanged();
    updateActions();
}

TppDesignerWindow::~TppDesignerWindow() {
    // The controller clears its undo stack as it goes, which would call back
    // into this half-destroyed window and its report tabs and read a report
    // that may be gone: nothing listens to the controller any more.
    controller_->undoStack().disconnect();
    controller_->disconnect();
    if (preview_)
        preview_->SetReport(nullptr);
    preview_.reset();
}

bool TppDesignerWindow::guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        dialogs_.showMessage(QString::fromUtf8(error.what()));
        return false;
    }
}

QAction* TppDesignerWindow::addCommand(QMenu* menu, const QString& objectName, const QString& caption,
                                       const std::function<void()>& slot, const QKeySequence& shortcut) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, [this, slot] {
            guarded(slot);
            updateActions();
        });
    else
        action->setEnabled(false);
    return action;
}

QAction* TppDesignerWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TppDesignerWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(fileMenu_, QStringLiteral("actNew"), QStringLiteral("&New"), [this] { newReport(true); });
    addCommand(fileMenu_, QStringLiteral("actNewReport"), newReportCaption(), [this] { newReport(false); });
    addCommand(
        fileMenu_, QStringLiteral("actOpen"), QStringLiteral("&Open..."), [this] { openReport(); },
        QKeySequence::Open);
    addCommand(fileMenu_, QStringLiteral("actClose"), QStringLiteral("&Close"), [this] { close(); });
    fileMenu_->addSeparator();
    addCommand(
        fileMenu_, QStringLiteral("actSave"), QStringLiteral("&Save"), [this] { saveReport(); },
        QKeySequence::Save);
    addCommand(fileMenu_, QStringLiteral("actSaveAs"), QStringLiteral("Save &As..."),
               [this] { saveReportAs(); });
    fileMenu_->addSeparator();
    addCommand(fileMenu_, QStringLiteral("actLoadSubReport"), QStringLiteral("&Load SubReport..."),
               [this] { loadSubReport(*controller_, dialogs_); });
    addCommand(fileMenu_, QStringLiteral("actSaveSubReport"), QStringLiteral("S&ave SubReport..."),
               [this] { saveSubReport(*controller_, dialogs_); });
    addCommand(fileMenu_, QStringLiteral("actLoadFromFile"), QStringLiteral("Loa&d From File..."),
               [this] { openReportFromFile(); });
    addCommand(fileMenu_, QStringLiteral("actSaveToFile"), QStringLiteral("Sa&ve to File..."),
               [this] { saveReportToFile(); });
    fileMenu_->addSeparator();
    addCommand(fileMenu_, QStringLiteral("actPageSetup"), QStringLiteral("Page Set&up..."),
               [this] { PageSetupDialog::edit(*controller_, dialogs_, this); });
    addCommand(fileMenu_, QStringLiteral("actPrintToFileSetup"), QStringLiteral("Print to &File Setup..."),
               [this] { PrintToFileSetupDialog::edit(*controller_, dialogs_, this); });
    addCommand(
        fileMenu_, QStringLiteral("actPrint"), QStringLiteral("&Print"), [this] { showPreviewPage(); },
        QKeySequence::Print);
    fileMenu_->addSeparator()->setObjectName(QStringLiteral("recentSeparator"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QUndoStack& stack = controller_->undoStack();
    addCommand(
        edit, QStringLiteral("actUndo"), QStringLiteral("&Undo"), [&stack] { stack.undo(); },
        QKeySequence::Undo);
    addCommand(
        edit, QStringLiteral("actRedo"), QStringLiteral("&Redo"), [&stack] { stack.redo(); },
        QKeySequence::Redo);
    addCommand(edit, QStringLiteral("actUndelete"), QStringLiteral("&Undelete"),
               [this] { controller_->undelete(); });
    edit->addSeparator();
    addCommand(
        edit, QStringLiteral("actCut"), QStringLiteral("Cu&t"), [this] { clipboardCopy(true); },
        QKeySequence::Cut);
    addCommand(
        edit, QStringLiteral("actCopy"), QStringLiteral("&Copy"), [this] { clipboardCopy(false); },
        QKeySequence::Copy);
    addCommand(
        edit, QStringLiteral("actPaste"), QStringLiteral("&Paste"), [this] { clipboardPaste(); },
        QKeySequence::Paste);
    addCommand(edit, QStringLiteral("actDelete"), QStringLiteral("&Delete"),
               [this] { controller_->deleteSelection(); });
    addCommand(
        edit, QStringLiteral("actSelectAll"), QStringLiteral("Se&lect All"),
        [this] { controller_->selectAll(); }, QKeySequence::SelectAll);
    edit->addSeparator();
    addCommand(edit, QStringLiteral("actBringToFront"), QStringLiteral("Bring to &Front"),
               [this] { controller_->bringToFront(); });
    addCommand(edit, QStringLiteral("actSendToBack"), QStringLiteral("Send to &Back"),
               [this] { controller_->sendToBack(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* toolbars = view->addMenu(QStringLiteral("&Toolbars"));
    toolbars->addAction(palette_->toggleViewAction());
    QAction* rulers = addCommand(view, QStringLiteral("actRulers"), QStringLiteral("&Rulers"),
                                 [this] { workspace_->setRulersVisible(!workspace_->rulersVisible()); });
    rulers->setCheckable(true);
    rulers->setChecked(true);
    QAction* showData = addCommand(view, QStringLiteral("actShowData"), QStringLiteral("&Show Data"),
                                   [this] { setDataTreeVisible(!settings_.showData); });
    showData->setCheckable(true);
    showData->setChecked(true);
    QMenu* grid = view->addMenu(QStringLiteral("&Grid Options"));
    QAction* snap = addCommand(grid, QStringLiteral("actSnapToGrid"), QStringLiteral("&Snap to Grid"),
                               [this] { controller_->grid.snapToGrid = !controller_->grid.snapToGrid; });
    snap->setCheckable(true);
    QAction* display =
        addCommand(grid, QStringLiteral("actDisplayGrid"), QStringLiteral("&Display Grid"), [this] {
            controller_->grid.displayGrid = !controller_->grid.displayGrid;
            workspace_->update();
        });
    display->setCheckable(true);

    QMenu* reportMenu = menuBar()->addMenu(QStringLiteral("&Report"));
    for (const ToggledBand& band : toggledBands())
        addCommand(reportMenu, QString::fromLatin1(band.objectName), QString::fromLatin1(band.caption),
                   [this, type = band.bandType] { toggleReportBand(*controller_, type); })
            ->setCheckable(true);
    addCommand(reportMenu, QStringLiteral("actData"), QStringLiteral("&Data..."),
               [this] { ReportDataDialog::edit(*controller_, dialogs_, this); });
    addCommand(reportMenu, QStringLiteral("actGroups"), QStringLiteral("&Groups..."),
               [this] { editGroups(); });
    addCommand(reportMenu, QStringLiteral("actOutline"), QStringLiteral("&Outline..."),
               [this] { editOutlineSettings(); });
    reportMenu->addSeparator();
    auto* orientation = new QActionGroup(this);
    for (const auto& choiceOf : {std::pair{"&Portrait", 0}, std::pair{"&Landscape", 1}}) {
        const QString caption = QString::fromLatin1(choiceOf.first);
        const int value = choiceOf.second;
        QAction* choice = addCommand(
            reportMenu, QStringLiteral("act") + QString(caption).remove(QLatin1Char('&')), caption,
            [this, value] { setReportProperty(QStringLiteral("PrinterSetup.Orientation"), value); });
        choice->setCheckable(true);
        orientation->addAction(choice);
    }
    QMenu* passes = reportMenu->addMenu(QStringLiteral("P&ass Setting"));
    auto* passGroup = new QActionGroup(this);
    for (const auto& choiceOf : {std::pair{"&One Pass", 0}, std::pair{"&Two Pass", 1}}) {
        const QString caption = QString::fromLatin1(choiceOf.first);
        const int value = choiceOf.second;
        QAction* choice = addCommand(
            passes,
            QStringLiteral("act") + QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(' ')),
            caption, [this, value] { setReportProperty(QStringLiteral("PassSetting"), value); });
        choice->setCheckable(true);
        passGroup->addAction(choice);
    }
    QAction* cache =
        addCommand(reportMenu, QStringLiteral("actCachePages"), QStringLiteral("&Cache Pages"), [this] {
            setReportProperty(QStringLiteral("CachePages"),
                              !action(QStringLiteral("actCachePagesState"))->isChecked());
        });
    cache->setCheckable(true);
    auto* cacheState = new QAction(this);
    cacheState->setObjectName(QStringLiteral("actCachePagesState"));
    cacheState->setCheckable(true);
    QMenu* units = reportMenu->addMenu(QStringLiteral("&Units"));
    auto* unitGroup = new QActionGroup(this);
    const std::pair<const char*, TppUnitType> unitChoices[] = {{"&Screen Pixels", utScreenPixels},
                                                               {"&Inches", utInches},
                                                               {"&Millimeters", utMillimeters},
                                                               {"&Printer Pixels", utPrinterPixels},
                                                               {"&Thousandths of MM", utMMThousandths}};
    for (const auto& unitChoice : unitChoices) {
        const char* caption = unitChoice.first;
        const int ordinal = int(unitChoice.second);
        QAction* choice =
            addCommand(units, QStringLiteral("actUnits%1").arg(ordinal), QString::fromLatin1(caption),
                       [this, ordinal] { setReportProperty(QStringLiteral("Units"), ordinal); });
        choice->setCheckable(true);
        unitGroup->addAction(choice);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(
        help, QStringLiteral("actHelpTopics"), QStringLiteral("&Help Topics"), [this] { showHelp(); },
        QKeySequence::HelpContents);
    addCommand(help, QStringLiteral("actAbout"), QStringLiteral("&About"),
               [this] { dialogs_.showMessage(QStringLiteral("Pagewright report designer")); });

    QToolBar* standard = addToolBar(QStringLiteral("Standard"));
    standard->setObjectName(QStringLiteral("StandardToolbar"));
    for (const char* name : {"actOpen", "actSave", "actPrint", "actCut", "actCopy", "actPaste", "actUndo",
                             "actRedo", "actBringToFront", "actSendToBack"})
        standard->addAction(action(QString::fromLatin1(name)));
    toolbars->addAction(standard->toggleViewAction());
}

void TppDesignerWindow::setReportProperty(const QString& path, const QVariant& value) {
    controller_->setProperty(report_, path, value);
    refresh();
}

void TppDesignerWindow::buildPalette() {
    const QList<QAction*> old = palette_->actions();
    palette_->clear();
    delete paletteGroup_;
    qDeleteAll(old);
    paletteGroup_ = new QActionGroup(this);
    QAction* arrow = palette_->addAction(QStringLiteral("Select"));
    arrow->setObjectName(QStringLiteral("paletteSelect"));
    arrow->setCheckable(true);
    arrow->setChecked(true);
    paletteGroup_->addAction(arrow);
    connect(arrow, &QAction::triggered, this, [this] { controller_->setPaletteClass(QString()); });
    QList<const ClassInfo*> classes = ClassRegistry::instance().classes();
    std::sort(classes.begin(), classes.end(),
              [](const ClassInfo* a, const ClassInfo* b) { return a->name() < b->name(); });
    for (const ClassInfo* info : classes) {
        if (!isComponentClass(*info) || hiddenClasses_.contains(info->name(), Qt::CaseInsensitive))
            continue;
        // The stretchable part of memos and rich texts is a base other
        // placeable classes build on, not a thing to place; the old
        // calculation only lives until a template's read converts it.
        if (info->name() == TppStretchable::staticClassInfo().name() ||
            info->name() == TppCalc::staticClassInfo().name())
            continue;
        const QString name = info->name();
        QAction* button = palette_->addAction(name.startsWith(QLatin1String("Tpp")) ? name.mid(3) : name);
        button->setObjectName(QStringLiteral("palette") + name);
        button->setCheckable(true);
        button->setToolTip(name);
        paletteGroup_->addAction(button);
        connect(button, &QAction::triggered, this, [this, name] { controller_->setPaletteClass(name); });
    }
}

QAction* TppDesignerWindow::paletteAction(const QString& className) const {
    return findChild<QAction*>(className.isEmpty() ? QStringLiteral("paletteSelect")
                                                   : QStringLiteral("palette") + className);
}

void TppDesignerWindow::setHiddenClasses(const QStringList& classNames) {
    hiddenClasses_ = classNames;
    buildPalette();
}

void TppDesignerWindow::setAllowSaveToFile(bool allow) {
    allowSaveToFile_ = allow;
    updateActions();
}

void TppDesignerWindow::applySettings(const DesignerSettings& settings) {
    settings_ = settings;
    controller_->grid = settings.grid;
    controller_->defaultFontName = settings.defaultFontName;
    controller_->defaultFontSize = settings.defaultFontSize;
    recent_.setMax(settings.recentMax);
    recent_.setLines(settings.recent);
    action(QStringLiteral("actSnapToGrid"))->setChecked(settings.grid.snapToGrid);
    action(QStringLiteral("actDisplayGrid"))->setChecked(settings.grid.displayGrid);
    setDataTreeVisible(settings.showData);
    if (settings.windowState == 0 && settings.bounds)
        setGeometry(*settings.bounds);
    else if (settings.windowState == 2)
        setWindowState(Qt::WindowMaximized);
    rebuildRecentMenu();
    workspace_->update();
}

DesignerSettings TppDesignerWindow::currentSettings() const {
    DesignerSettings settings = settings_;
    settings.grid = controller_->grid;
    settings.windowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    if (settings.windowState == 0)
        settings.bounds = geometry();
    settings.recentMax = recent_.max();
    settings.recent = recent_.lines();
    return settings;
}

void TppDesignerWindow::rebuildRecentMenu() {
    for (QAction* old : recentActions_)
        fileMenu_->removeAction(old), old->deleteLater();
    recentActions_.clear();
    const QStringList captions = recent_.captions();
    for (int index = 0; index < captions.size(); ++index) {
        QAction* entry = fileMenu_->addAction(captions.at(index));
        entry->setObjectName(QStringLiteral("actRecent%1").arg(index));
        const QStringList fields = recent_.entries().at(index);
        connect(entry, &QAction::triggered, this, [this, fields] {
            guarded([&] { openRecent(fields); });
            updateActions();
        });
        recentActions_ << entry;
    }
}

QString TppDesignerWindow::templateDisplayName() const {
    const QString file = ReportTemplate(report_).FileName();
    return file.isEmpty() ? kNewReportName : file;
}

void TppDesignerWindow::touchRecent() {
    const QStringList entry = recentEntryOf(ReportTemplate(report_));
    if (entry.isEmpty())
        return;
    recent_.touch(entry);
    rebuildRecentMenu();
}

bool TppDesignerWindow::openRecent(const QStringList& entry) {
    if (!isDatabaseEntry(entry))
        return openReport(entry.value(1));
    if (!askSaveChanges())
        return false;
    loadDatabaseEntry(ReportTemplate(report_), entry, controller_->scope());
    controller_->layoutReplaced();
    touchRecent();
    refresh();
    return true;
}

bool TppDesignerWindow::askSaveChanges() {
    if (!report_.Modified())
        return true;
    QString name = QFileInfo(templateDisplayName()).fileName();
    // On a subreport's tab the prompt says which part is shown.
    if (designedChildReport(*controller_))
        name = reportTabs_->tabText(reportTabs_->currentIndex()) + QStringLiteral(": ") + name;
    const auto answer = dialogs_.askYesNoCancel(QStringLiteral("Save changes to %1 ?").arg(name));
    if (answer == DesignerDialogs::Answer::Cancel)
        return false;
    if (answer == DesignerDialogs::Answer::Yes)
        return saveReport();
    return true;
}

bool TppDesignerWindow::openReport(const QString& fileName) {
    if (!askSaveChanges())
        return false;
    if (onCustomOpenDoc && fileName.isEmpty()) {
        const bool opened = onCustomOpenDoc();
        if (opened)
            controller_->layoutReplaced();
        refresh();
        return opened;
    }
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    if (fileName.isEmpty() && reportTemplate.SaveTo() == stDatabase)
        return openFromDatabase();
    return openFile(fileName);
}

bool TppDesignerWindow::openReportFromFile() {
    if (!askSaveChanges())
        return false;
    return openFile(QString());
}

bool TppDesignerWindow::openFromDatabase() {
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    const QString previous = reportTemplate.DatabaseSettings().Name();
    if (!reportTemplate.LoadWithDialog())
        return false;
    try {
        reportTemplate.LoadFromDatabase();
    } catch (...) {
        // The old layout stays, and so does the name it was loaded under.
        reportTemplate.DatabaseSettings().SetName(previous);
        throw;
    }
    controller_->layoutReplaced();
    touchRecent();
    refresh();
    return true;
}

bool TppDesignerWindow::openFile(const QString& fileName) {
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    QString file = fileName;
    if (file.isEmpty())
        file = dialogs_.openFileName(reportTemplate.FileFilter(), reportTemplate.FileName());
    if (file.isEmpty())
        return false;
    const QString previous = reportTemplate.FileName();
    const TppSaveToType previousTarget = reportTemplate.SaveTo();
    reportTemplate.SetFileName(file);
    try {
        reportTemplate.LoadFromFile();
    } catch (...) {
        // The load left the old layout in place; its name stays with it.
        reportTemplate.SetFileName(previous);
        reportTemplate.SetSaveTo(previousTarget);
        throw;
    }
    reportTemplate.SetSaveTo(stFile);
    controller_->layoutReplaced();
    touchRecent();
    refresh();
    return true;
}

bool TppDesignerWindow::newReport(bool chooseWizard) {
    if (!askSaveChanges())
        return false;
    const QString wizard =
        chooseWizard ? chooseNewReportWizard(this) : TppWizardRegistry::instance().DefaultWizard;
    if (wizard.isEmpty())
        return false;
    // The wizard replaces the layout in place: nothing of the old one may
    // stay selected or undoable.
    const WizardRun run = runReportWizard(
        wizard, report_, this, [this] { controller_->layoutReplaced(); }, wizardHooks);
    refresh();
    if (!run.finished)
        return false;
    if (run.afterAction == waPreview)
        showPreviewPage();
    else
        showDesignPage();
    return true;
}

bool TppDesignerWindow::saveReport() {
    if (onCustomSaveDoc) {
        const bool saved = onCustomSaveDoc();
        updateActions();
        return saved;
    }
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    if (reportTemplate.SaveTo() == stDatabase) {
        if (!reportTemplate.IsDatabaseReady(true) || reportTemplate.DatabaseSettings().Name().isEmpty())
            return saveReportAs();
        reportTemplate.SaveToDatabase();
        touchRecent();
        updateActions();
        return true;
    }
    const QString file = reportTemplate.FileName();
    if (file.isEmpty() || QFileInfo(file).fileName() == kNewReportName)
        return saveReportAs();
    if (reportTemplate.ReadOnly()) {
        dialogs_.showMessage(QStringLiteral("File is read-only."));
        return saveReportAs();
    }
    reportTemplate.SaveToFile();
    touchRecent();
    updateActions();
    return true;
}

bool TppDesignerWindow::saveReportAs(const QString& fileName) {
    if (!allowSaveToFile_)
        return false;
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    if (fileName.isEmpty() && reportTemplate.SaveTo() == stDatabase) {
        const QString previous = reportTemplate.DatabaseSettings().Name();
        if (!reportTemplate.SaveWithDialog())
            return false;
        try {
            reportTemplate.SaveToDatabase();
        } catch (...) {
            reportTemplate.DatabaseSettings().SetName(previous);
            throw;
        }
        touchRecent();
        updateActions();
        return true;
    }
    return saveFile(fileName);
}

bool TppDesignerWindow::saveReportToFile() {
    if (!allowSaveToFile_)
        return false;
    return saveFile(QString());
}

bool TppDesignerWindow::saveFile(const QString& fileName) {
    TppReportTemplate& reportTemplate = ReportTemplate(report_);
    QString file = fileName;
    // A read-only file is asked about again rather than written over.
    for (;;) {
        if (file.isEmpty())
            file = dialogs_.saveFileName(reportTemplate.FileFilter(), templateDisplayName());
        if (file.isEmpty())
            return false;
        if (QFileInfo(file).suffix().isEmpty() && !QFileInfo(file).exists())
            file += QStringLiteral(".") + reportTemplate.FileExtension();
        // The template's own rule, so that the superuser is refused a
        // read-only file just as everybody else is.
        if (TppTemplate::IsReadOnlyFile(file)) {
            dialogs_.showMessage(QStringLiteral("File is read-only."));
            file.clear();
            continue;
        }
        break;
    }
    const QString previous = reportTemplate.FileName();
    reportTemplate.SetFileName(file);
    reportTemplate.SetSaveTo(stFile);
    try {
        reportTemplate.SaveToFile();
    } catch (...) {
        reportTemplate.SetFileName(previous);
        throw;
    }
    touchRecent();
    updateActions();
    return true;
}

void TppDesignerWindow::clipboardCopy(bool cut) {
    const QByteArray bytes = controller_->copySelection();
    if (bytes.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kComponentMimeType), bytes);
    QGuiApplication::clipboard()->setMimeData(data);
    if (cut)
        controller_->cutSelection();
}

void TppDesignerWindow::clipboardPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QString::fromLatin1(kComponentMimeType)))
        return;
    controller_->paste(data->data(QString::fromLatin1(kComponentMimeType)));
}

void TppDesignerWindow::selectionChanged() {
    // A component just made returns the palette to the select arrow.
    if (QAction* tool = paletteAction(controller_->paletteClass()))
        tool->setChecked(true);
    TppComponent* primary = controller_->selection().primary();
    properties_->setObject(primary ? static_cast<OwnedComponent*>(primary) : &controller_->report());
    if (onSelectionChanged)
        onSelectionChanged(primary);
    updateActions();
    workspace_->update();
}

void TppDesignerWindow::updateActions() {
    const bool selected = !controller_->selection().isEmpty();
    QUndoStack& stack = controller_->undoStack();
    action(QStringLiteral("actUndo"))->setEnabled(stack.canUndo());
    action(QStringLiteral("actUndo"))
        ->setText(stack.canUndo() ? QStringLiteral("&Undo ") + stack.undoText() : QStringLiteral("&Undo"));
    action(QStringLiteral("actRedo"))->setEnabled(stack.canRedo());
    action(QStringLiteral("actUndelete"))->setEnabled(controller_->canUndelete());
    for (const char* name : {"actCut", "actCopy", "actDelete", "actBringToFront", "actSendToBack"})
        action(QString::fromLatin1(name))->setEnabled(selected);
    action(QStringLiteral("actSaveAs"))->setEnabled(allowSaveToFile_);
    action(QStringLiteral("actSaveToFile"))->setEnabled(allowSaveToFile_);
    const bool childTab = designedChildReport(*controller_) != nullptr;
    action(QStringLiteral("actLoadSubReport"))->setEnabled(childTab);
    action(QStringLiteral("actSaveSubReport"))->setEnabled(childTab && allowSaveToFile_);
    action(QStringLiteral("actUnits%1").arg(int(report_.Units())))->setChecked(true);
    for (const ToggledBand& band : toggledBands())
        action(QString::fromLatin1(band.objectName))
            ->setChecked(controller_->report().GetBand(band.bandType) != nullptr);
    if (QAction* cache = action(QStringLiteral("actCachePages")))
        cache->setChecked(report_.CachePages());
    if (QAction* state = action(QStringLiteral("actCachePagesState")))
        state->setChecked(report_.CachePages());
    (report_.PassSetting() == psTwoPass ? action(QStringLiteral("actTwoPass"))
                                        : action(QStringLiteral("actOnePass")))
        ->setChecked(true);
    QString title = caption_ + QStringLiteral(" - ") + QFileInfo(templateDisplayName()).fileName();
    if (report_.Modified())
        title += QLatin1Char('*');
    setWindowTitle(title);
}

void TppDesignerWindow::setCaption(const QString& caption) {
    caption_ = caption;
    updateActions();
}

void TppDesignerWindow::setDataTreeVisible(bool visible) {
    settings_.showData = visible;
    action(QStringLiteral("actShowData"))->setChecked(visible);
    dataTree_->setVisible(visible);
}

void TppDesignerWindow::fieldsDropped(QPoint point, const QList<DraggedField>& fields) {
    static const FontMetricsMeasurer screenFonts;
    guarded([&] {
        dataTree_->layoutManager().dropFields(*controller_, point, fields,
                                              measurer_ ? *measurer_ : screenFonts);
    });
    updateActions();
}

bool TppDesignerWindow::editGroups() {
    TppGroupDialog dialog(*controller_, dialogs_, this);
    std::unique_ptr<DesignerSettingsStore> store;
    if (settingsStore)
        guarded([&] { store = settingsStore(); });
    if (store)
        dialog.readPosition(*store);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (store)
        guarded([&] {
            dialog.writePosition(*store);
            store->flush();
        });
    refresh();
    return accepted;
}

bool TppDesignerWindow::editOutlineSettings() {
    auto* report = dynamic_cast<TppReport*>(&report_);
    if (!report)
        return false;
    TppOutlineSettingsDialog dialog(*report, this);
    std::unique_ptr<DesignerSettingsStore> store;
    if (settingsStore)
        guarded([&] { store = settingsStore(); });
    if (store)
        dialog.readSettings(*store);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (store)
        guarded([&] {
            dialog.writeSettings(*store);
            store->flush();
        });
    if (!accepted)
        return false;
    const OutlinePreviewChoices choices = dialog.choices();
    QUndoStack& undo = controller_->undoStack();
    undo.beginMacro(LanguageString(kMsgOutlineSettings));
    guarded([&] {
        controller_->setProperty(*report, QStringLiteral("OutlineSettings.Enabled"), choices.enabled);
        controller_->setProperty(*report, QStringLiteral("OutlineSettings.CreatePageNodes"),
                                 choices.createPageNodes);
        for (int i = 0; i < dialog.participants().size(); ++i)
            if (auto* component = dynamic_cast<OwnedComponent*>(dialog.participants()[i]))
                controller_->setProperty(*component, QStringLiteral("OutlineSettings.CreateNode"),
                                         choices.createNodes.value(i));
    });
    undo.endMacro();
    refresh();
    return true;
}

void TppDesignerWindow::refresh() {
    dataTree_->refresh();
    workspace_->layoutChanged();
    properties_->refresh();
    updateActions();
}

void TppDesignerWindow::setTabsVisible(bool visible) {
    reportTabs_->setVisible(visible);
}

void TppDesignerWindow::reportSelected(TppCustomReport* report) {
    selectionChanged();
    refresh();
    if (onReportSelected)
        guarded([&] { onReportSelected(report); });
}

void TppDesignerWindow::showDesignPage() {
    pages_->setCurrentIndex(0);
}

void TppDesignerWindow::showPreviewPage() {
    pages_->setCurrentIndex(1);
}

void TppDesignerWindow::pageChanged(int index) {
    if (onTabChange)
        guarded([&] { onTabChange(index); });
    showPage(index);
    if (onTabChanged)
        guarded([&] { onTabChanged(index); });
}

void TppDesignerWindow::showPage(int index) {
    if (index == 1) {
        const bool ok = guarded([this] {
            previewWasModified_ = report_.Modified();
            if (!preview_) {
                preview_.reset(PreviewPanels::instance().Create(previewPage_, statusBar()));
                preview_->Embedded = true;
            }
            // Pages of an earlier preview show an older layout.
            report_.Reset();
            preview_->SetReport(&report_);
            report_.RunPrintJob();
        });
        if (!ok)
            QMetaObject::invokeMethod(this, &TppDesignerWindow::showDesignPage, Qt::QueuedConnection);
        return;
    }
    if (preview_) {
        guarded([this] {
            if (report_.Printing())
                report_.Cancel();
            preview_->SetReport(nullptr);
        });
        report_.SetModified(previewWasModified_ || report_.Modified());
    }
    refresh();
}

void TppDesignerWindow::closeEvent(QCloseEvent* event) {
    bool proceed = false;
    guarded([&] { proceed = askSaveChanges(); });
    if (proceed && onCloseQuery)
        guarded([&] { proceed = onCloseQuery(); });
    if (!proceed) {
        event->ignore();
        return;
    }
    if (preview_)
        guarded([this] { preview_->SetReport(nullptr); });
    event->accept();
    if (onClosed)
        guarded([this] { onClosed(); });
}

void TppDesignerWindow::showHelp() {
    QString file = helpFile;
    bool enabled = enableHelp;
    if (onHelp)
        guarded([&] { onHelp(file, enabled); });
    if (enabled && !onHelp)
        dialogs_.showMessage(file.isEmpty() ? QStringLiteral("No help file is set.") : file);
}

void TppDesignerWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    const std::function<void()>& hook = isActiveWindow() ? onActivate : onDeactivate;
    if (hook)
        guarded(hook);
}

void TppDesignerWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (onHide)
        guarded(onHide);
}

void TppDesignerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (onResize)
        guarded(onResize);
}

void TppDesignerWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (onShow)
        guarded(onShow);
}
