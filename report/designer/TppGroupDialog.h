#pragma once

#include "TppGroupOptions.h"

#include <QDialog>

class DesignerController;
class DesignerDialogs;
class DesignerSettingsStore;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Creates, orders, deletes and configures the report's groups. It edits
// working copies, one per entry of its list, and writes them to the report
// only on OK, as one undoable command; Cancel leaves the report alone.
class TppGroupDialog : public QDialog {
    Q_OBJECT
public:
    TppGroupDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent = nullptr);

    const QList<TppGroupOptions>& entries() const { return entries_; }
    int currentEntry() const;
    void selectEntry(int index);

    // Position and size in the section "GroupDialog" of the designer's store.
    void readPosition(const DesignerSettingsStore& store);
    void writePosition(DesignerSettingsStore& store) const;

    // The controls, for the designer's tests.
    QListWidget& groupList() const { return *list_; }
    QPushButton& addButton() const { return *add_; }
    QPushButton& insertButton() const { return *insert_; }
    QPushButton& deleteButton() const { return *delete_; }
    QRadioButton& dataFieldButton() const { return *dataField_; }
    QRadioButton& customFieldButton() const { return *customField_; }
    QComboBox& breakList() const { return *breakList_; }
    QCheckBox& newPageBox() const { return *newPage_; }
    QCheckBox& resetPageNoBox() const { return *resetPageNo_; }
    QLineEdit& newPageThresholdEdit() const { return *newPageThreshold_; }
    QCheckBox& newColumnBox() const { return *newColumn_; }
    QLineEdit& newColumnThresholdEdit() const { return *newColumnThreshold_; }
    QCheckBox& keepTogetherBox() const { return *keepTogether_; }
    QCheckBox& reprintOnPageBox() const { return *reprintOnPage_; }
    QCheckBox& reprintOnColumnBox() const { return *reprintOnColumn_; }

    void accept() override;

private:
    // A field or text component a group may break on.
    struct BreakChoice {
        QString name;
        QString pipeline;
        QString description;
    };

    void buildControls();
    void collectChoices();
    const QList<BreakChoice>& choices(TppBreakType type) const;
    QString entryText(int index) const;
    void renumber();
    void fillBreakList(TppBreakType type);
    void showEntry(int index);
    void setOptionsEnabled(bool enabled);
    void addEntry(bool insert);
    void deleteEntry();
    void breakTypeChosen(TppBreakType type);
    void breakChosen(int index);
    void newPageToggled(bool on);
    void newColumnToggled(bool on);
    void keepTogetherToggled(bool on);
    void thresholdEdited(QLineEdit& edit, int TppGroupOptions::*value);
    void rowsMoved();
    QString thresholdText(int mm) const;
    TppGroupOptions* current();

    DesignerController& designer_;
    DesignerDialogs& dialogs_;
    QList<TppGroupOptions> entries_;
    // Entries keep an id through drags in the list, so the list's new order
    // can be read back.
    QList<int> ids_;
    int nextId_ = 0;
    QList<BreakChoice> dataFields_;
    QList<BreakChoice> customFields_;
    bool filling_ = false;

    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* delete_ = nullptr;
    QGroupBox* breakOn_ = nullptr;
    QRadioButton* dataField_ = nullptr;
    QRadioButton* customField_ = nullptr;
    QComboBox* breakList_ = nullptr;
    QGroupBox* onChange_ = nullptr;
    QCheckBox* newPage_ = nullptr;
    QCheckBox* resetPageNo_ = nullptr;
    QLineEdit* newPageThreshold_ = nullptr;
    QCheckBox* newColumn_ = nullptr;
    QLineEdit* newColumnThreshold_ = nullptr;
    QWidget* columnControls_ = nullptr;
    QCheckBox* keepTogether_ = nullptr;
    QCheckBox* reprintOnPage_ = nullptr;
    QCheckBox* reprintOnColumn_ = nullptr;
};
