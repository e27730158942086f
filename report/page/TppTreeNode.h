#pragma once

#include "TppRelative.h"

// An ordered tree whose children are its child nodes; the parent owns and
// frees them. The walks (GetNext, GetPrevious) are pre-order, as a tree
// control lists its items.
class TppTreeNode : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppTreeNode(OwnedComponent* owner = nullptr);
    ~TppTreeNode() override;

    int ChildNodeCount() const { return ChildCount(); }
    TppTreeNode* ChildNodes(int index) const;
    // Every descendant, at every depth.
    int AbsoluteChildNodeCount() const;
    // The number of ancestors that are tree nodes: 0 for a root.
    int Level() const;
    TppTreeNode* ParentNode() const;
    // Moves the node under another one (none takes it out of its tree).
    void SetParentNode(TppTreeNode* parent);

    // A new node of this node's class as the last child.
    TppTreeNode* Add();
    virtual void Assign(const TppTreeNode& source);
    // A node of this class under `newParent` with this one's values and,
    // with `recurse`, copies of all its descendants.
    TppTreeNode* CloneNode(TppTreeNode* newParent, bool recurse) const;

    TppTreeNode* GetFirstChild() const;
    TppTreeNode* GetLastChild() const;
    TppTreeNode* GetLastChildDescendent() const;
    TppTreeNode* GetNextSibling() const;
    TppTreeNode* GetPreviousSibling() const;
    TppTreeNode* GetNext() const;
    TppTreeNode* GetPrevious() const;

    // Read inside another tree node (or whatever the subclass allows).
    bool SetParentComponent(OwnedComponent* parent) override;
};
