#pragma once

#include <QFrame>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class TppAutoSearchField;

// One criterion in the search dialog: the show-all box, the sentence that
// names the field and the comparison, the place for the values, and the red
// marker with the message of a value that does not pass. Each kind of
// comparison brings its own values (one, two or a list) and stores them.
class TppAutoSearchPanel : public QFrame {
public:
    // `first` opens the sentence ("Show all data where the"), else "and the".
    TppAutoSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent = nullptr);

    TppAutoSearchField& Field() const { return field_; }
    QCheckBox* ShowAllBox() const { return showAll_; }
    QLabel* ErrorLabel() const { return error_; }
    // The message shown beside the values; empty while they pass.
    QString ErrorText() const;

    // Checks what was entered and stores it in the criterion; false, with
    // the marker shown, when something does not pass.
    bool Store();

protected:
    // Where the values' widgets go.
    QHBoxLayout* ValueRow() const { return values_; }
    QLineEdit* addEdit(const QString& text);
    // Empty when `text` may be stored for the criterion (mandatory ones need a value).
    QString problemWith(const QString& text) const;
    // The text to store for a value that passed.
    QString stored(const QString& text) const;
    void showProblem(const QString& message);
    bool showAllChecked() const;
    // What Store does beyond clearing the marker: the empty text when it stored.
    virtual QString storeValues() = 0;

private:
    TppAutoSearchField& field_;
    QCheckBox* showAll_ = nullptr;
    QHBoxLayout* values_ = nullptr;
    QLabel* errorBullet_ = nullptr;
    QLabel* error_ = nullptr;
};

// One value: any comparison but between and the lists. Typing ticks the
// show-all box while the edit is empty and clears it otherwise.
class TppSimpleSearchPanel final : public TppAutoSearchPanel {
public:
    TppSimpleSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent = nullptr);
    QLineEdit* Edit() const { return edit_; }

protected:
    QString storeValues() override;

private:
    QLineEdit* edit_;
};

// Two values joined by "and": between and not between.
class TppBetweenSearchPanel final : public TppAutoSearchPanel {
public:
    TppBetweenSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent = nullptr);
    QLineEdit* FromEdit() const { return from_; }
    QLineEdit* ToEdit() const { return to_; }

protected:
    QString storeValues() override;

private:
    QLineEdit* from_;
    QLineEdit* to_;
};

class QListWidget;
class QPushButton;

// A list of values: in list and not in list. "Add to list" checks the edit's
// value and appends it once.
class TppInListSearchPanel final : public TppAutoSearchPanel {
public:
    TppInListSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent = nullptr);
    QLineEdit* Edit() const { return edit_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* RemoveButton() const { return remove_; }
    QListWidget* List() const { return list_; }

protected:
    QString storeValues() override;

private:
    void addValue();

    QLineEdit* edit_;
    QPushButton* add_;
    QPushButton* remove_;
    QListWidget* list_;
};

// The panel a criterion's comparison asks for.
TppAutoSearchPanel* createAutoSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent);
