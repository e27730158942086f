#pragma once

#include "TppAutoLayoutManager.h"

#include <QDockWidget>

class OwnedComponent;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The designer's "Data Tree": its Data page lists the pipelines the report
// can reach with their fields, ready to be dragged onto a band; its Layout
// page holds the drop options, with a small picture of what a drop makes.
class TppDataTreeWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit TppDataTreeWindow(OwnedComponent& scope, QWidget* parent = nullptr);

    // Lists the pipelines again (after a load or a change of the form).
    void refresh();
    TppAutoLayoutManager& layoutManager() { return manager_; }
    QTreeWidget& fieldTree() const { return *tree_; }
    // The options as the Layout page shows them; setting them updates the page.
    void setCreate(TppAutoLayoutManager::Create create);
    void setStyle(TppAutoLayoutManager::Style style);
    QCheckBox& labelGridBox() const { return *labelGrid_; }
    QCheckBox& fieldGridBox() const { return *fieldGrid_; }
    QPushButton& labelFontButton() const { return *labelFont_; }
    QPushButton& fieldFontButton() const { return *fieldFont_; }

signals:
    // The user closed the tree with its own close button.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildDataPage();
    QWidget* buildLayoutPage();
    void optionsChanged();
    void chooseFont(TppFont& font);
    void drawSample();

    OwnedComponent& scope_;
    TppAutoLayoutManager manager_;
    QTreeWidget* tree_ = nullptr;
    QComboBox* create_ = nullptr;
    QComboBox* style_ = nullptr;
    QPushButton* labelFont_ = nullptr;
    QPushButton* fieldFont_ = nullptr;
    QCheckBox* labelGrid_ = nullptr;
    QCheckBox* fieldGrid_ = nullptr;
    QLabel* sample_ = nullptr;
};
