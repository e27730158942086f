#pragma once

#include "OutlinePreviewWorker.h"

#include <QDialog>

#include <functional>
#include <memory>

class DesignerSettingsStore;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class TppCommunicator;
class TppOutlineViewer;
class TppReport;

// Which parts of the report make outline entries: the outline on or off,
// page entries, and a check mark per report, section subreport and group.
// With Preview down it shows the outline the choices give, generated on a
// worker thread so the dialog stays responsive; every change starts the
// preview anew. The report's own settings are touched only while the worker
// generates and are put back after each run; OK hands the choices out.
class TppOutlineSettingsDialog : public QDialog {
public:
    explicit TppOutlineSettingsDialog(TppReport& report, QWidget* parent = nullptr);
    ~TppOutlineSettingsDialog() override;

    // Position, size, preview width, page limit and "Entire Report", in the
    // section "OutlineSettingsDialog" of the designer's store.
    void readSettings(const DesignerSettingsStore& store);
    void writeSettings(DesignerSettingsStore& store) const;

    OutlinePreviewChoices choices() const;
    // The participants of the check tree, in the order of choices().createNodes.
    const QList<TppCommunicator*>& participants() const { return participants_; }

    // Shows the failed preview's message; by default a message box.
    std::function<void(const QString&)> showError;

    QCheckBox& enabledBox() const { return *enabled_; }
    QCheckBox& pageNodesBox() const { return *pageNodes_; }
    QTreeWidget& componentTree() const { return *tree_; }
    QPushButton& previewButton() const { return *preview_; }
    QRadioButton& entireReportButton() const { return *entireReport_; }
    QSpinBox& pageLimitBox() const { return *pageLimit_; }
    TppOutlineViewer& outlineViewer() const { return *viewer_; }
    bool previewRunning() const { return worker_ && worker_->isRunning(); }

    void done(int result) override;

private:
    void buildControls();
    void fillTree(TppCommunicator& participant, QTreeWidgetItem* parent);
    void updateEnabling();
    void changed();
    void previewToggled(bool down);
    void restartPreview();
    void previewFailed();
    void applyToReport(const OutlinePreviewChoices* choices);
    void stopPreview();

    TppReport& report_;
    QList<TppCommunicator*> participants_;
    QList<QTreeWidgetItem*> items_;
    // The settings as the dialog found them.
    QList<bool> originalCreateNodes_;
    bool originalEnabled_ = true;
    bool originalPageNodes_ = true;
    bool previewShown_ = false;
    std::unique_ptr<OutlinePreviewWorker> worker_;

    QCheckBox* enabled_ = nullptr;
    QCheckBox* pageNodes_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* preview_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* previewPanel_ = nullptr;
    TppOutlineViewer* viewer_ = nullptr;
    QRadioButton* entireReport_ = nullptr;
    QRadioButton* pageLimitButton_ = nullptr;
    QSpinBox* pageLimit_ = nullptr;
};
