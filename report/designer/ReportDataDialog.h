#pragma once

#include <QDialog>

class DesignerController;
class DesignerDialogs;
class QListWidget;

// "Data": the pipeline the report runs over, chosen among those the
// report can reach (its form's and the ones it uses), or none. OK is one
// undoable step; the report moves what followed the old pipeline along.
class ReportDataDialog : public QDialog {
    Q_OBJECT
public:
    ReportDataDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent = nullptr);

    // Modal; true when OK went through.
    static bool edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent);

    // The first entry stands for no pipeline.
    QListWidget& pipelineList() const { return *list_; }
    void accept() override;

private:
    DesignerController& designer_;
    DesignerDialogs& dialogs_;
    QListWidget* list_ = nullptr;
};
