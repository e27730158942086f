#pragma once

#include "TppLabelDefinition.h"

#include <QDialog>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class TppReport;
class OwnedComponent;
class LabelSheetPreview;

// "Label Templates": the printer kind, the label set ("Products"), its
// labels, what the chosen label is (type, size, paper) beside a picture of
// its sheet, and the paper tray.
class LabelWizardDialog : public QDialog {
    Q_OBJECT
public:
    explicit LabelWizardDialog(QWidget* parent = nullptr);
    ~LabelWizardDialog() override;

    void setPrinterKind(TppLabelPrinterKind kind);
    void setProduct(const QString& setName);
    // The label at `row` of the list.
    void setLabelRow(int row);

    QStringList products() const;
    QStringList labels() const;
    const std::optional<TppLabelDefinition>& selectedLabel() const { return selected_; }
    // The tray chosen; empty when the printer names none.
    QString binName() const;
    QString infoText(const QString& name) const;
    // The small report the chosen label is laid out on for the picture.
    TppReport& previewReport() const { return *preview_; }

private:
    void labelChanged();
    const TppLabelSet* currentSet() const;

    std::unique_ptr<OwnedComponent> form_;
    TppReport* preview_ = nullptr;
    QRadioButton* laser_ = nullptr;
    QRadioButton* dotMatrix_ = nullptr;
    QComboBox* products_ = nullptr;
    QListWidget* labels_ = nullptr;
    QComboBox* trays_ = nullptr;
    QLabel* type_ = nullptr;
    QLabel* height_ = nullptr;
    QLabel* width_ = nullptr;
    QLabel* paper_ = nullptr;
    LabelSheetPreview* picture_ = nullptr;
    QList<const TppLabelSet*> sets_;
    QList<TppLabelEntry> entries_;
    std::optional<TppLabelDefinition> selected_;
};
