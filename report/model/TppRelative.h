#pragma once

#include "TppCommunicator.h"

// A communicator in the report tree: a report holds its bands, a band its
// components, a pipeline its fields. A parent owns its children and frees
// them, last first, when it goes.
class TppRelative : public TppCommunicator {
public:
    PW_CLASS_INFO

    explicit TppRelative(OwnedComponent* owner = nullptr);
    ~TppRelative() override;

    TppRelative* Parent() const { return parent_; }
    virtual void SetParent(TppRelative* parent);
    TppCommunicator* ParentCommunicator() const override { return parent_; }

    // The index among the parent's children, -1 without parent. Setting it
    // moves the child (clamped to the list); while reading a template the
    // value is only kept, to order the children once all are read.
    int Position() const;
    void SetPosition(int position);
    int Index() const { return parent_ ? parent_->IndexOfChild(this) : -1; }

    int ChildCount() const { return int(children_.size()); }
    TppRelative* Child(int index) const { return children_.value(index); }
    const QList<TppRelative*>& children() const { return children_; }
    // The children a template holds: the list, then those kept apart
    // (a pipeline's links).
    int AllChildCount() const { return ChildCount() + int(ExtraChildren().size()); }
    TppRelative* AllChild(int index) const;
    virtual QList<TppRelative*> ExtraChildren() const { return {}; }

    int ChildType() const { return childType_; }
    void SetChildType(int childType);
    bool OrderedChildren() const { return orderedChildren_; }
    void SetOrderedChildren(bool ordered) { orderedChildren_ = ordered; }
    bool FreeingChildren() const { return freeingChildren_; }

    virtual void AddChild(TppRelative* child);
    virtual void InsertChild(int index, TppRelative* child);
    virtual int IndexOfChild(const TppRelative* child) const { return int(children_.indexOf(child)); }
    virtual void RemoveChild(TppRelative* child);

    // Takes over another relative's place and children: its parent, its
    // ordering, and every child (which move to this owner when they shared
    // the other's). This object's own children are freed first.
    virtual void TakeOver(TppRelative& other);

    // Passes the change up to the root, except while reading.
    void Change() override;
    void ChangeOwner(OwnedComponent* newOwner) override;
    void Loaded() override;
    // The children and those kept apart, as AllChild() lists them.
    QList<OwnedComponent*> GetChildren() const override;

protected:
    // Frees the children, last first. Classes whose own state the children
    // reach while going (a band's object list) call it from their destructor.
    void FreeChildren();

private:
    void restoreChildOrder();

    TppRelative* parent_ = nullptr;
    QList<TppRelative*> children_;
    int storedPosition_ = -1;
    int childType_ = 0;
    bool orderedChildren_ = false;
    bool freeingChildren_ = false;
};
