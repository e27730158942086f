#include "TppFileDialog.h"
#include "TppTemplateDialog.h"
#include "TppTemplateErrorDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Runs `act` once the modal dialog's loop is running; a dialog it leaves
// open (a failed step) is cancelled rather than left waiting.
template <class Act> void whileShown(QDialog& dialog, Act act) {
    QTimer::singleShot(0, [&dialog, act] {
        act();
        if (dialog.isVisible())
            dialog.reject();
    });
}

TEST(TemplateDialogsTest, TheTemplateDialogAcceptsOnlyANameThatFitsTheMode) {
    TppTemplateDialog dialog;
    QStringList told;
    QStringList asked;
    bool replace = false;
    dialog.Tell = [&](const QString& text) { told << text; };
    dialog.Confirm = [&](const QString& question) {
        asked << question;
        return replace;
    };
    dialog.Names = {"Loans", "Amortization"};

    // Opening: a click copies the name, a name the table lacks is refused.
    dialog.Mode = TppCustomTemplateDialog::dmOpen;
    whileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Open");
        EXPECT_EQ(dialog.OkButton()->text(), "&Open...");
        ASSERT_EQ(dialog.NameList()->topLevelItemCount(), 2);
        EXPECT_EQ(dialog.NameList()->topLevelItem(0)->text(0), "Amortization") << "sorted";
        dialog.NameBox()->setText("Leases");
        dialog.OkButton()->click();
        EXPECT_TRUE(dialog.isVisible()) << "stays after the message";
        dialog.NameBox()->clear();
        dialog.OkButton()->click();
        EXPECT_TRUE(dialog.isVisible()) << "an empty name does nothing";
        emit dialog.NameList()->itemClicked(dialog.NameList()->topLevelItem(1), 0);
        EXPECT_EQ(dialog.NameBox()->text(), "Loans");
        dialog.OkButton()->click();
    });
    EXPECT_TRUE(dialog.ShowModal());
    EXPECT_EQ(dialog.TemplateName, "Loans");
    EXPECT_EQ(told, QStringList({"Record not found: Leases"}));

    // Saving over a stored name asks; No stays, Yes replaces.
    dialog.Mode = TppCustomTemplateDialog::dmSave;
    whileShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "Save Loans As");
        EXPECT_EQ(dialog.NameBox()->text(), "Loans");
        dialog.OkButton()->click();
        EXPECT_TRUE(dialog.isVisible());
        replace = true;
        dialog.OkButton()->click();
    });
    EXPECT_TRUE(dialog.ShowModal());
    EXPECT_EQ(asked, QStringList(2, "Loans already exists.\n\nReplace existing report?"));

    // A double click chooses and presses OK.
    dialog.Mode = TppCustomTemplateDialog::dmOpen;
    whileShown(dialog,
               [&] { emit dialog.NameList()->itemDoubleClicked(dialog.NameList()->topLevelItem(0), 0); });
    EXPECT_TRUE(dialog.ShowModal());
    EXPECT_EQ(dialog.TemplateName, "Amortization");

    whileShown(dialog, [&] { dialog.reject(); });
    EXPECT_FALSE(dialog.ShowModal());
}

TEST(TemplateDialogsTest, TheErrorDialogAnswersByItsButtons) {
    using R = TppCustomTemplateErrorDialog::ErrorResult;
    TppTemplateErrorDialog dialog;
    dialog.Message =
        "Error reading Report1.Colour: Property Colour does not exist\r\nIgnore the error and continue?";
    const std::pair<QPushButton* (TppTemplateErrorDialog::*)() const, R> buttons[] = {
        {&TppTemplateErrorDialog::IgnoreButton, R::erIgnore},
        {&TppTemplateErrorDialog::CancelButton, R::erCancel},
        {&TppTemplateErrorDialog::IgnoreAllButton, R::erIgnoreAll},
    };
    for (const auto& [button, result] : buttons) {
        whileShown(dialog, [&, button = button] {
            EXPECT_EQ(dialog.windowTitle(), "Error Reading Template");
            EXPECT_EQ(dialog.IgnoreButton()->text(), "&Ignore");
            EXPECT_EQ(dialog.CancelButton()->text(), "Cancel");
            EXPECT_EQ(dialog.IgnoreAllButton()->text(), "Ignore &All");
            EXPECT_TRUE(dialog.IgnoreButton()->isDefault());
            (dialog.*button)()->click();
        });
        EXPECT_EQ(dialog.ShowModal(), result != R::erCancel);
        EXPECT_EQ(dialog.Result, result);
    }
    whileShown(dialog, [&] { dialog.reject(); });
    EXPECT_FALSE(dialog.ShowModal()) << "closing the window cancels";
    EXPECT_EQ(dialog.Result, R::erCancel);
}

TEST(TemplateDialogsTest, FileFiltersBecomeQtNameFilters) {
    EXPECT_EQ(TppFileDialog::NameFilters("Report file (*.rtm)|*.rtm"), QStringList({"Report file (*.rtm)"}));
    EXPECT_EQ(TppFileDialog::NameFilters("Templates|*.rtm;*.txt|All files (*.*)|*.*"),
              QStringList({"Templates (*.rtm *.txt)", "All files (*.*)"}));
    EXPECT_TRUE(TppFileDialog::NameFilters("").isEmpty());
}

} // namespace
