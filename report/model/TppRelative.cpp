#include "TppRelative.h"

#include "ClassBuilder.h"

const ClassInfo& TppRelative::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppRelative>("TppRelative", &TppCommunicator::staticClassInfo(), [](auto& c) {
            // Older templates stored it; classes that publish it store it themselves.
            c.defined("ChildType", PropertyKind::Integer, nullptr,
                      [](TppRelative& r, const QVariant& v) { r.SetChildType(v.toInt()); });
        });
    return info;
}

TppRelative::TppRelative(OwnedComponent* owner) : TppCommunicator(owner) {}

TppRelative::~TppRelative() {
    markDestroying();
    if (parent_)
        parent_->RemoveChild(this);
    parent_ = nullptr;
    FreeChildren();
}

void TppRelative::FreeChildren() {
    freeingChildren_ = true;
    while (!children_.isEmpty())
        delete children_.last();
    freeingChildren_ = false;
}

void TppRelative::SetParent(TppRelative* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveChild(this);
    parent_ = parent;
    if (parent_)
        parent_->AddChild(this);
}

int TppRelative::Position() const {
    if (hasState(Reading) || hasState(Loading))
        return storedPosition_;
    return Index();
}

void TppRelative::SetPosition(int position) {
    if (hasState(Reading) || hasState(Loading)) {
        storedPosition_ = position;
        return;
    }
    if (!parent_)
        return;
    const int target = std::clamp(position, 0, parent_->ChildCount() - 1);
    if (target != Index()) {
        TppRelative* parent = parent_;
        parent->RemoveChild(this);
        parent_ = parent;
        parent->InsertChild(target, this);
    }
    Change();
}

QList<OwnedComponent*> TppRelative::GetChildren() const {
    QList<OwnedComponent*> all(children_.begin(), children_.end());
    for (TppRelative* extra : ExtraChildren())
        all.append(extra);
    return all;
}

TppRelative* TppRelative::AllChild(int index) const {
    if (index < ChildCount())
        return Child(index);
    return ExtraChildren().value(index - ChildCount());
}

void TppRelative::SetChildType(int childType) {
    if (childType == childType_)
        return;
    // The parent may file children by type, so it sees the child leave and return.
    TppRelative* parent = parent_;
    if (parent)
        parent->RemoveChild(this);
    childType_ = childType;
    if (parent)
        parent->AddChild(this);
}

void TppRelative::AddChild(TppRelative* child) {
    if (children_.contains(child))
        return;
    children_.append(child);
    child->parent_ = this;
}

void TppRelative::InsertChild(int index, TppRelative* child) {
    if (children_.contains(child))
        return;
    children_.insert(std::clamp<qsizetype>(index, 0, children_.size()), child);
    child->parent_ = this;
}

void TppRelative::RemoveChild(TppRelative* child) {
    if (children_.removeOne(child))
        child->parent_ = nullptr;
}

void TppRelative::TakeOver(TppRelative& other) {
    orderedChildren_ = other.orderedChildren_;
    SetParent(other.parent_);
    while (!children_.isEmpty())
        delete children_.last();
    const QList<TppRelative*> adopted = other.children_;
    for (TppRelative* child : adopted) {
        if (child->Owner() == other.Owner())
            child->ChangeOwner(Owner());
        child->SetParent(this);
    }
}

void TppRelative::Change() {
    if (isLoading() || isDestroying())
        return;
    if (parent_)
        parent_->Change();
}

void TppRelative::ChangeOwner(OwnedComponent* newOwner) {
    OwnedComponent* oldOwner = Owner();
    TppCommunicator::ChangeOwner(newOwner);
    for (TppRelative* child : children_)
        if (child->Owner() == oldOwner)
            child->ChangeOwner(newOwner);
}

void TppRelative::Loaded() {
    TppCommunicator::Loaded();
    if (orderedChildren_)
        restoreChildOrder();
}

void TppRelative::restoreChildOrder() {
    const int count = ChildCount();
    QList<TppRelative*> placed(count, nullptr);
    for (TppRelative* child : children_) {
        const int stored = child->storedPosition_;
        if (stored >= 0 && stored < count && !placed[stored])
            placed[stored] = child;
    }
    // Children without a usable stored position keep their relative order
    // around the placed ones.
    for (int index = 0; index < count; ++index) {
        TppRelative* child = placed[index];
        if (!child)
            continue;
        children_.removeOne(child);
        children_.insert(index, child);
    }
}
