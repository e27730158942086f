#pragma once

#include "TppPrinterSetup.h"

#include <QDialog>
#include <array>

class DesignerController;
class DesignerDialogs;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Page Setup": the report's paper (from the printer's list, or a custom
// size), orientation, margins and columns, in the report's units. The
// dialog works on a copy of the printer setup, so choosing a paper or
// turning the page follows the setup's own rules; OK puts the result on
// the report as one undoable step, Cancel leaves the report alone.
class PageSetupDialog : public QDialog {
    Q_OBJECT
public:
    enum Margin { Left, Top, Right, Bottom };

    PageSetupDialog(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent = nullptr);

    // Modal; true when OK went through.
    static bool edit(DesignerController& designer, DesignerDialogs& dialogs, QWidget* parent);

    QComboBox& paperBox() const { return *paper_; }
    QLineEdit& widthEdit() const { return *width_; }
    QLineEdit& heightEdit() const { return *height_; }
    QRadioButton& portraitButton() const { return *portrait_; }
    QRadioButton& landscapeButton() const { return *landscape_; }
    QLineEdit& marginEdit(Margin margin) const { return *margins_.at(margin); }
    QSpinBox& columnsBox() const { return *columns_; }

    // Refuses numbers that mean nothing (with a message naming the field)
    // and margins that leave no room to print; otherwise applies.
    void accept() override;

private:
    struct NumberField {
        QLineEdit* edit;
        QString name;
        float (TppPrinterSetup::*get)() const;
        void (TppPrinterSetup::*set)(float);
        bool paperSide;
        // The text the field was filled with: an untouched field is not
        // set again, since a rounded figure would move the paper by a hair.
        QString shown;
    };

    void buildControls();
    void fill();
    void paperChosen(const QString& name);
    void orientationChosen(TPrinterOrientation orientation);
    // Puts the edited figures on `setup`; false with `error` set when one means nothing.
    bool takeEdits(TppPrinterSetup& setup, QString& error) const;
    QString text(float value) const;

    DesignerController& designer_;
    DesignerDialogs& dialogs_;
    TppPrinterSetup setup_;
    QComboBox* paper_ = nullptr;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    std::array<QLineEdit*, 4> margins_{};
    QSpinBox* columns_ = nullptr;
    QList<NumberField> fields_;
    bool filling_ = false;
};
