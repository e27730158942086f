#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class TppAutoSearchField;

// The criteria of one tab of the search dialog: those whose data objects
// share a description.
class TppAutoSearchGroup {
public:
    TppAutoSearchGroup() = default;
    TppAutoSearchGroup(const TppAutoSearchGroup&) = delete;
    TppAutoSearchGroup& operator=(const TppAutoSearchGroup&) = delete;
    // Writes the tab order back to the "AutoSearchTabOrder" of the first
    // criterion's data object, when that object is still there.
    ~TppAutoSearchGroup();

    QString Description;
    int TabOrder = 0;
    QList<TppAutoSearchField*> Fields;
};

// The criteria grouped for the search dialog, in the order of the report's
// list: each criterion joins the group of its data object's "Description"
// (exact text; none without a data object), which takes the object's
// "AutoSearchTabOrder".
class TppAutoSearchGroups {
public:
    explicit TppAutoSearchGroups(const QList<TppAutoSearchField*>& fields);

    int Count() const { return int(groups_.size()); }
    TppAutoSearchGroup& Group(int index) const { return *groups_.at(std::size_t(index)); }
    // The groups by tab order, for the dialog's tabs; equal orders keep the list's order.
    std::vector<TppAutoSearchGroup*> ByTabOrder() const;

private:
    std::vector<std::unique_ptr<TppAutoSearchGroup>> groups_;
};
