#pragma once

#include "TppCustomPrintDialog.h"
#include "TraWindowObjects.h"

#include <QDialog>
#include <functional>

class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TppPrinterSetup;

// The standard print dialog: the printer, the pages (all, the current one, or
// a list such as "1,3,5-12", each with all, odd or even pages), copies and
// collation, and, where the report allows it, output to one of the
// registered file devices instead of the printer. OK keeps the dialog open
// while the choice cannot be printed, saying why.
class TppPrintDialog : public QDialog, public TppCustomPrintDialog {
public:
    explicit TppPrintDialog(QWidget* parent = nullptr);

    void Show() override;
    bool ShowModal() override;
    void Close() override;

    // Where refusals are told; none writes them to the log.
    Prompter* MessagePrompter = nullptr;
    // The "..." button's save dialog: folder and file name to start with,
    // the default extension and the filter; answers the chosen file, empty
    // when cancelled.
    std::function<QString(QWidget* parent, const QString& fileName, const QString& defaultExt,
                          const QString& filter)>
        ChooseFileName;
    // The printer's own properties dialog; true when confirmed.
    std::function<bool(QWidget* parent, TppPrinter& printer)> ShowPrinterProperties;

    QComboBox* PrinterCombo() const { return printers_; }
    QLabel* PrinterType() const { return printerType_; }
    QLabel* PrinterWhere() const { return printerWhere_; }
    QLabel* NoPrintersLabel() const { return noPrinters_; }
    QPushButton* PropertiesButton() const { return properties_; }
    QRadioButton* AllButton() const { return all_; }
    QRadioButton* CurrentPageButton() const { return currentPage_; }
    QRadioButton* PagesButton() const { return pages_; }
    QLineEdit* PagesEdit() const { return pageList_; }
    QComboBox* PageRangeCombo() const { return pageRange_; }
    QSpinBox* CopiesBox() const { return copies_; }
    QCheckBox* CollateBox() const { return collate_; }
    QLabel* CollatePicture() const { return collatePicture_; }
    QGroupBox* FilePanel() const { return filePanel_; }
    QCheckBox* PrintToFileBox() const { return printToFile_; }
    QComboBox* FileTypeCombo() const { return fileTypes_; }
    QLineEdit* FileNameEdit() const { return fileName_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* OkButton() const { return ok_; }
    // What the report's scripts see of this dialog as its PrintDialog.
    TraForm& ScriptForm() { return scriptForm_; }

    void accept() override;

private:
    void fill();
    void fillPrinters();
    void fillFileTypes();
    void showPrinterDetails();
    void choosePrinter(int index);
    void showCollation();
    void fileOutputChanged();
    void browse();
    void tell(const QString& text);
    template <class F> void changeSetup(F change);
    QString selectedFileDevice() const;
    bool selectedIsArchive() const;
    QString& selectedFileName();

    QComboBox* printers_;
    QLabel* printerType_;
    QLabel* printerWhere_;
    QLabel* noPrinters_;
    QPushButton* properties_;
    QRadioButton* all_;
    QRadioButton* currentPage_;
    QRadioButton* pages_;
    QLineEdit* pageList_;
    QComboBox* pageRange_;
    QSpinBox* copies_;
    QCheckBox* collate_;
    QLabel* collatePicture_;
    QGroupBox* filePanel_;
    QCheckBox* printToFile_;
    QComboBox* fileTypes_;
    QLineEdit* fileName_;
    QPushButton* browse_;
    QPushButton* ok_;
    bool filling_ = false;
    bool hasPrinters_ = false;
    TraForm scriptForm_;
};
