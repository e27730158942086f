#include "TppAutoSearchPanel.h"

#include "AutoSearchDescriptions.h"
#include "AutoSearchMessages.h"
#include "AutoSearchValues.h"
#include "TppAutoSearchField.h"
#include "TppReport.h"
#include "TppResourceManager.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* bullet(const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("\u25CF"), parent);
    label->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
    return label;
}

} // namespace

TppAutoSearchPanel::TppAutoSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent)
    : QFrame(parent), field_(field) {
    auto* layout = new QVBoxLayout(this);
    showAll_ = new QCheckBox(LanguageStringFmt(AutoSearchMessage::ShowAllValues, {field.FieldAlias()}), this);
    showAll_->setChecked(field.ShowAllValues());
    showAll_->setVisible(!field.Mandatory());
    layout->addWidget(showAll_);

    auto* sentence = new QHBoxLayout();
    sentence->addWidget(new QLabel(searchOpeningWords(first), this));
    auto* alias = new QLabel(field.FieldAlias(), this);
    alias->setStyleSheet(QStringLiteral("color: blue"));
    sentence->addWidget(alias);
    sentence->addWidget(new QLabel(searchOperatorWords(field.SearchOperator(), field.DataType()), this));
    if (field.Mandatory())
        sentence->addWidget(bullet(Qt::black, this));
    sentence->addStretch();
    layout->addLayout(sentence);

    values_ = new QHBoxLayout();
    layout->addLayout(values_);

    auto* problem = new QHBoxLayout();
    errorBullet_ = bullet(Qt::red, this);
    error_ = new QLabel(this);
    error_->setStyleSheet(QStringLiteral("color: red"));
    problem->addWidget(errorBullet_);
    problem->addWidget(error_, 1);
    layout->addLayout(problem);
    errorBullet_->hide();
    error_->hide();
}

QString TppAutoSearchPanel::ErrorText() const {
    return error_->isHidden() ? QString() : error_->text();
}

QLineEdit* TppAutoSearchPanel::addEdit(const QString& text) {
    auto* edit = new QLineEdit(text, this);
    values_->addWidget(edit);
    return edit;
}

bool TppAutoSearchPanel::showAllChecked() const {
    return !showAll_->isHidden() && showAll_->isChecked();
}

QString TppAutoSearchPanel::problemWith(const QString& text) const {
    if (text.isEmpty())
        return field_.Mandatory() ? LanguageString(AutoSearchMessage::ValueNeeded) : QString();
    const TppReport* report = field_.Report();
    const FormatSettings settings = report ? report->LocaleSettings() : FormatSettings::invariant();
    const int year = report ? report->Now().date().year() : QDate::currentDate().year();
    return searchValueProblem(text, field_.DataType(), settings, year);
}

QString TppAutoSearchPanel::stored(const QString& text) const {
    const TppReport* report = field_.Report();
    return storedSearchValue(text, field_.DataType(),
                             report ? report->LocaleSettings() : FormatSettings::invariant());
}

void TppAutoSearchPanel::showProblem(const QString& message) {
    error_->setText(message);
    error_->setVisible(!message.isEmpty());
    errorBullet_->setVisible(!message.isEmpty());
}

bool TppAutoSearchPanel::Store() {
    const QString problem = storeValues();
    showProblem(problem);
    return problem.isEmpty();
}

TppSimpleSearchPanel::TppSimpleSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent)
    : TppAutoSearchPanel(field, first, parent), edit_(addEdit(field.SearchExpression())) {
    connect(edit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ShowAllBox()->setChecked(text.isEmpty()); });
}

QString TppSimpleSearchPanel::storeValues() {
    const QString text = edit_->text();
    if (!showAllChecked())
        if (const QString problem = problemWith(text); !problem.isEmpty())
            return problem;
    Field().SetSearchExpression(stored(text));
    Field().SetShowAllValues(showAllChecked());
    return {};
}

TppBetweenSearchPanel::TppBetweenSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent)
    : TppAutoSearchPanel(field, first, parent) {
    const QStringList parts = splitSearchExpression(field.SearchExpression());
    from_ = addEdit(parts.value(0));
    ValueRow()->addWidget(new QLabel(LanguageString(AutoSearchMessage::And), this));
    to_ = addEdit(parts.value(1));
}

QString TppBetweenSearchPanel::storeValues() {
    Field().SetShowAllValues(showAllChecked());
    if (Field().ShowAllValues())
        return {};
    const QString from = from_->text();
    const QString to = to_->text();
    for (const QString& text : {from, to})
        if (const QString problem = problemWith(text); !problem.isEmpty())
            return problem;
    // A range needs both of its ends: one alone would be stored as no range at all.
    if (from.isEmpty() != to.isEmpty())
        return LanguageString(AutoSearchMessage::ValueNeeded);
    Field().SetSearchExpression(from.isEmpty() ? QString() : stored(from) + u',' + stored(to));
    return {};
}

TppInListSearchPanel::TppInListSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent)
    : TppAutoSearchPanel(field, first, parent) {
    edit_ = addEdit(QString());
    add_ = new QPushButton(LanguageString(AutoSearchMessage::AddToList), this);
    remove_ = new QPushButton(LanguageString(AutoSearchMessage::RemoveFromList), this);
    list_ = new QListWidget(this);
    list_->addItems(splitSearchExpression(field.SearchExpression()));
    ValueRow()->addWidget(add_);
    ValueRow()->addWidget(remove_);
    ValueRow()->addWidget(list_);
    connect(add_, &QPushButton::clicked, this, [this] { addValue(); });
    connect(remove_, &QPushButton::clicked, this, [this] { delete list_->currentItem(); });
}

void TppInListSearchPanel::addValue() {
    const QString text = edit_->text();
    const QString problem = text.isEmpty() ? QString() : problemWith(text);
    showProblem(problem);
    // A value that does not pass stays in the edit beside its message, to be put right.
    if (!problem.isEmpty())
        return;
    const QString value = stored(text);
    if (!value.isEmpty() && list_->findItems(value, Qt::MatchExactly).isEmpty()) {
        list_->addItem(value);
        list_->setCurrentRow(list_->count() - 1);
    }
    edit_->clear();
    edit_->setFocus();
}

QString TppInListSearchPanel::storeValues() {
    QStringList values;
    for (int row = 0; row < list_->count(); ++row)
        values << list_->item(row)->text();
    const QString expression = values.join(u',');
    if (Field().Mandatory() && expression.isEmpty() && !showAllChecked())
        return LanguageString(AutoSearchMessage::ValueNeeded);
    Field().SetSearchExpression(expression);
    Field().SetShowAllValues(showAllChecked());
    return {};
}

TppAutoSearchPanel* createAutoSearchPanel(TppAutoSearchField& field, bool first, QWidget* parent) {
    switch (field.SearchOperator()) {
    case soBetween:
    case soNotBetween:
        return new TppBetweenSearchPanel(field, first, parent);
    case soInList:
    case soNotInList:
        return new TppInListSearchPanel(field, first, parent);
    default:
        return new TppSimpleSearchPanel(field, first, parent);
    }
}
