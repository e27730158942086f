#include "ReportWizardDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizardPage>
#include <algorithm>
#include <memory>

namespace {

const QString kFieldsRequired = QStringLiteral("Fields must be selected before continuing.");

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* push = new QPushButton(text, parent);
    push->setObjectName(name);
    return push;
}

// A list on the left, the chosen on the right, and the buttons between
// them that move entries across and up and down.
struct PickLists {
    QListWidget* from = nullptr;
    QListWidget* to = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* up = nullptr;
    QPushButton* down = nullptr;

    PickLists(QWidget* page, QLayout* into, const QString& prefix) {
        auto* row = new QHBoxLayout;
        from = new QListWidget(page);
        from->setObjectName(prefix + QStringLiteral("Available"));
        to = new QListWidget(page);
        to->setObjectName(prefix + QStringLiteral("Chosen"));
        auto* buttons = new QVBoxLayout;
        add = button(QStringLiteral(">"), prefix + QStringLiteral("Add"), page);
        remove = button(QStringLiteral("<"), prefix + QStringLiteral("Remove"), page);
        up = button(QStringLiteral("Up"), prefix + QStringLiteral("Up"), page);
        down = button(QStringLiteral("Down"), prefix + QStringLiteral("Down"), page);
        for (QPushButton* push : {add, remove, up, down})
            buttons->addWidget(push);
        buttons->addStretch();
        row->addWidget(from);
        row->addLayout(buttons);
        row->addWidget(to);
        static_cast<QBoxLayout*>(into)->addLayout(row);
    }

    static void fill(QListWidget* list, const QStringList& texts, const QStringList& names) {
        list->clear();
        for (int index = 0; index < texts.size(); ++index) {
            auto* item = new QListWidgetItem(texts[index], list);
            item->setData(Qt::UserRole, names[index]);
        }
    }
    static QString current(const QListWidget* list) {
        const QListWidgetItem* item = list->currentItem();
        return item ? item->data(Qt::UserRole).toString() : QString();
    }
};

QString aliasOf(const ReportWizardState& state, const QString& name) {
    for (const TppWizardField& field : state.fields())
        if (field.fieldName == name)
            return field.alias.isEmpty() ? name : field.alias;
    return name;
}

QStringList aliasesOf(const ReportWizardState& state, const QStringList& names) {
    QStringList aliases;
    for (const QString& name : names)
        aliases << aliasOf(state, name);
    return aliases;
}

class FieldSelectionPage : public QWizardPage {
public:
    FieldSelectionPage(ReportWizardDialog& wizard, ReportWizardState& state)
        : wizard_(wizard), state_(state) {
        setTitle(QStringLiteral("Field Selection"));
        auto* layout = new QVBoxLayout(this);
        data_ = new QComboBox(this);
        data_->setObjectName(QStringLiteral("dataName"));
        data_->addItems(state.dataNames());
        data_->setCurrentText(state.dataName());
        layout->addWidget(data_);
        lists_ = std::make_unique<PickLists>(this, layout, QStringLiteral("field"));
        connect(data_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
            state_.setDataName(name);
            refresh();
        });
        connect(lists_->add, &QPushButton::clicked, this, [this] {
            state_.selectField(PickLists::current(lists_->from));
            refresh();
        });
        connect(lists_->from, &QListWidget::itemDoubleClicked, lists_->add, &QPushButton::click);
        connect(lists_->remove, &QPushButton::clicked, this, [this] {
            state_.deselectField(PickLists::current(lists_->to));
            refresh();
        });
        connect(lists_->up, &QPushButton::clicked, this, [this] { move(-1); });
        connect(lists_->down, &QPushButton::clicked, this, [this] { move(1); });
        refresh();
    }

    bool validatePage() override {
        if (!state_.selectedFields().isEmpty())
            return true;
        wizard_.showInformation(kFieldsRequired);
        return false;
    }

private:
    void move(int by) {
        const int row = lists_->to->currentRow();
        state_.moveSelected(row, row + by);
        refresh();
        lists_->to->setCurrentRow(std::clamp(row + by, 0, int(lists_->to->count()) - 1));
    }

    void refresh() {
        QStringList texts;
        QStringList names;
        for (const TppWizardField& field : state_.availableFields()) {
            texts << (field.alias.isEmpty() ? field.fieldName : field.alias);
            names << field.fieldName;
        }
        PickLists::fill(lists_->from, texts, names);
        PickLists::fill(lists_->to, aliasesOf(state_, state_.selectedFields()), state_.selectedFields());
    }

    ReportWizardDialog& wizard_;
    ReportWizardState& state_;
    QComboBox* data_ = nullptr;
    std::unique_ptr<PickLists> lists_;
};

class GroupDefinitionPage : public QWizardPage {
public:
    explicit GroupDefinitionPage(ReportWizardState& state) : state_(state) {
        setTitle(QStringLiteral("Group Definition"));
        auto* layout = new QVBoxLayout(this);
        lists_ = std::make_unique<PickLists>(this, layout, QStringLiteral("group"));
        connect(lists_->add, &QPushButton::clicked, this, [this] {
            state_.addGroup(PickLists::current(lists_->from));
            refresh();
        });
        connect(lists_->remove, &QPushButton::clicked, this, [this] {
            state_.removeGroup(PickLists::current(lists_->to));
            refresh();
        });
        connect(lists_->up, &QPushButton::clicked, this, [this] { move(-1); });
        connect(lists_->down, &QPushButton::clicked, this, [this] { move(1); });
    }

    // Coming from the fields, the groups start again over the fields now
    // chosen. QWizard calls this going forward only: coming back from the
    // layouts keeps the user's groups and layout.
    void initializePage() override {
        state_.clearGroups();
        state_.layout = rlTabular;
        refresh();
    }
    // Going back to the fields leaves the groups as they are.
    void cleanupPage() override {}

private:
    void move(int by) {
        const int row = lists_->to->currentRow();
        state_.moveGroup(row, row + by);
        refresh();
        lists_->to->setCurrentRow(std::clamp(row + by, 0, int(lists_->to->count()) - 1));
    }

    void refresh() {
        QStringList offered;
        for (const QString& name : state_.groupableFields())
            if (!state_.groupFields().contains(name))
                offered << name;
        PickLists::fill(lists_->from, aliasesOf(state_, offered), offered);
        PickLists::fill(lists_->to, aliasesOf(state_, state_.groupFields()), state_.groupFields());
    }

    ReportWizardState& state_;
    std::unique_ptr<PickLists> lists_;
};

// Radio buttons for a choice of the state, kept in step with it.
template <class Value> class Choice {
public:
    Choice(QWidget* page, QLayout* into, const QString& title, Value& value,
           const QList<std::pair<QString, Value>>& options)
        : value_(value), options_(options) {
        auto* box = new QGroupBox(title, page);
        auto* column = new QVBoxLayout(box);
        for (int index = 0; index < options.size(); ++index) {
            auto* radio = new QRadioButton(options[index].first, box);
            radio->setObjectName(QString(options[index].first).remove(QLatin1Char(' ')));
            group_.addButton(radio, index);
            column->addWidget(radio);
        }
        static_cast<QBoxLayout*>(into)->addWidget(box);
        QObject::connect(&group_, &QButtonGroup::idClicked, box,
                         [this](int id) { value_ = options_[id].second; });
    }
    void show() {
        for (int index = 0; index < options_.size(); ++index)
            if (options_[index].second == value_)
                group_.button(index)->setChecked(true);
    }

private:
    Value& value_;
    QList<std::pair<QString, Value>> options_;
    QButtonGroup group_;
};

// A layout page: the layouts it offers, the orientation and adjusting.
class LayoutsPage : public QWizardPage {
public:
    LayoutsPage(ReportWizardState& state, const QString& title,
                const QList<std::pair<QString, TppReportLayoutType>>& layouts, bool forGroups)
        : state_(state), forGroups_(forGroups) {
        setTitle(title);
        auto* layout = new QVBoxLayout(this);
        layouts_ = std::make_unique<Choice<TppReportLayoutType>>(this, layout, QStringLiteral("Layout"),
                                                                 state.layout, layouts);
        orientation_ = std::make_unique<Choice<TPrinterOrientation>>(
            this, layout, QStringLiteral("Orientation"), state.orientation,
            QList<std::pair<QString, TPrinterOrientation>>{{QStringLiteral("Portrait"), poPortrait},
                                                           {QStringLiteral("Landscape"), poLandscape}});
        adjust_ = new QCheckBox(QStringLiteral("Adjust field widths so all fields fit on a page"), this);
        adjust_->setObjectName(QStringLiteral("adjustFieldWidths"));
        layout->addWidget(adjust_);
        connect(adjust_, &QCheckBox::toggled, this, [this](bool on) { state_.adjustFieldWidths = on; });
    }

    void initializePage() override {
        if (forGroups_ && !isGroupLayout(state_.layout))
            state_.layout = rlStepped;
        layouts_->show();
        orientation_->show();
        adjust_->setChecked(state_.adjustFieldWidths);
    }
    void cleanupPage() override {}

private:
    ReportWizardState& state_;
    bool forGroups_;
    std::unique_ptr<Choice<TppReportLayoutType>> layouts_;
    std::unique_ptr<Choice<TPrinterOrientation>> orientation_;
    QCheckBox* adjust_ = nullptr;
};

class StyleChoicePage : public QWizardPage {
public:
    explicit StyleChoicePage(ReportWizardState& state) {
        setTitle(QStringLiteral("Styles"));
        auto* layout = new QVBoxLayout(this);
        styles_ = std::make_unique<Choice<TppReportStyleType>>(
            this, layout, QStringLiteral("Style"), state.style,
            QList<std::pair<QString, TppReportStyleType>>{{QStringLiteral("Bold"), rsBold},
                                                          {QStringLiteral("Casual"), rsCasual},
                                                          {QStringLiteral("Compact"), rsCompact},
                                                          {QStringLiteral("Corporate"), rsCorporate},
                                                          {QStringLiteral("Formal"), rsFormal},
                                                          {QStringLiteral("Soft Gray"), rsSoftGray}});
    }
    void initializePage() override { styles_->show(); }
    void cleanupPage() override {}

private:
    std::unique_ptr<Choice<TppReportStyleType>> styles_;
};

class FinishingPage : public QWizardPage {
public:
    explicit FinishingPage(ReportWizardState& state) : state_(state) {
        setTitle(QStringLiteral("Finish"));
        auto* layout = new QVBoxLayout(this);
        description_ = new QLineEdit(this);
        description_->setObjectName(QStringLiteral("description"));
        layout->addWidget(new QLabel(QStringLiteral("What title do you want for your report?"), this));
        layout->addWidget(description_);
        preview_ = new QRadioButton(QStringLiteral("Preview the report"), this);
        preview_->setObjectName(QStringLiteral("previewReport"));
        design_ = new QRadioButton(QStringLiteral("Modify the report's design"), this);
        design_->setObjectName(QStringLiteral("designReport"));
        design_->setChecked(true);
        layout->addWidget(preview_);
        layout->addWidget(design_);
        connect(description_, &QLineEdit::textChanged, this,
                [this](const QString& text) { state_.description = text; });
        connect(preview_, &QRadioButton::toggled, this, [this](bool on) { state_.previewAfterwards = on; });
    }
    void initializePage() override { description_->setText(state_.dataName() + QStringLiteral("-1 Report")); }
    void cleanupPage() override {}

private:
    ReportWizardState& state_;
    QLineEdit* description_ = nullptr;
    QRadioButton* preview_ = nullptr;
    QRadioButton* design_ = nullptr;
};

} // namespace

ReportWizardDialog::ReportWizardDialog(ReportWizardState& state, QWidget* parent)
    : QWizard(parent), state_(state) {
    setWindowTitle(QStringLiteral("Report Wizard"));
    setOption(QWizard::NoBackButtonOnStartPage);
    showInformation = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text, QMessageBox::Ok);
    };
    setPage(FieldsPage, new FieldSelectionPage(*this, state));
    setPage(GroupsPage, new GroupDefinitionPage(state));
    setPage(SimpleLayoutsPage,
            new LayoutsPage(
                state, QStringLiteral("Simple Layouts"),
                {{QStringLiteral("Vertical"), rlVertical}, {QStringLiteral("Tabular"), rlTabular}}, false));
    setPage(GroupLayoutsPage, new LayoutsPage(state, QStringLiteral("Group Layouts"),
                                              {{QStringLiteral("Stepped"), rlStepped},
                                               {QStringLiteral("Block"), rlBlock},
                                               {QStringLiteral("Outline 1"), rlOutline1},
                                               {QStringLiteral("Outline 2"), rlOutline2},
                                               {QStringLiteral("Align Left 1"), rlAlignLeft1},
                                               {QStringLiteral("Align Left 2"), rlAlignLeft2}},
                                              true));
    setPage(StylesPage, new StyleChoicePage(state));
    setPage(FinishPage, new FinishingPage(state));
    setStartId(FieldsPage);
}

int ReportWizardDialog::nextId() const {
    switch (currentId()) {
    case FieldsPage:
        return GroupsPage;
    case GroupsPage:
        // Groups need a layout that gives them bands of their own.
        return state_.groupFields().isEmpty() ? SimpleLayoutsPage : GroupLayoutsPage;
    case SimpleLayoutsPage:
    case GroupLayoutsPage:
        return StylesPage;
    case StylesPage:
        return FinishPage;
    default:
        return -1;
    }
}
