#pragma once

#include <QDialog>

class DesignerController;
class DesignerDialogs;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Print to File Setup": which registered file device the report prints
// to, into which file, and the text file's format; whether printing goes
// to that file instead of the screen or printer, and whether the print
// dialog offers a file at all. An archive keeps its own file name, the
// other devices share the text file's. OK is one undoable step.
class PrintToFileSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrintToFileSetupDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent = nullptr);

    // Modal; true when OK went through.
    static bool edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent);

    QComboBox& deviceBox() const { return *device_; }
    QLineEdit& fileNameEdit() const { return *fileName_; }
    QPushButton& browseButton() const { return *browse_; }
    QComboBox& textFileTypeBox() const { return *textFileType_; }
    QCheckBox& printToFileBox() const { return *printToFile_; }
    QCheckBox& allowPrintToFileBox() const { return *allowPrintToFile_; }

    // Refuses printing to a file without a file name; otherwise applies.
    void accept() override;

private:
    QString chosenDevice() const;
    bool archiveChosen() const;
    void deviceChosen();
    void browse();

    DesignerController& designer_;
    DesignerDialogs& dialogs_;
    QComboBox* device_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* textFileType_ = nullptr;
    QCheckBox* printToFile_ = nullptr;
    QCheckBox* allowPrintToFile_ = nullptr;
    // The names of both kinds of file, while the user moves between devices.
    QString textFileName_;
    QString archiveFileName_;
    bool archiveShown_ = false;
};
