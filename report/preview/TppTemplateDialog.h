#pragma once

#include "TppCustomTemplateDialog.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Chooses a template stored in a database: the names the table holds, in a
// sorted list under a "Name" header, and a name box. A click on a name puts
// it in the box, a double click also presses OK. OK with an empty name does
// nothing; opening a name the table lacks says so and stays; saving over a
// name the table has asks first.
class TppTemplateDialog : public QDialog, public TppCustomTemplateDialog {
public:
    explicit TppTemplateDialog(QWidget* parent = nullptr);

    void Show() override;
    bool ShowModal() override;
    void Close() override;
    void accept() override;

    // Message boxes: a message with OK, and a question answered Yes (true)
    // or No.
    std::function<void(const QString& text)> Tell;
    std::function<bool(const QString& question)> Confirm;

    QTreeWidget* NameList() const { return list_; }
    QLineEdit* NameBox() const { return nameBox_; }
    QPushButton* OkButton() const { return ok_; }

private:
    // Mode, Names and TemplateName are set after construction.
    void takeSettings();
    void chosen(QTreeWidgetItem* item);

    QTreeWidget* list_;
    QLabel* nameLabel_;
    QLineEdit* nameBox_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
