#pragma once

#include "TppTreeNode.h"

enum TppOutlineNodeType { ntRoot, ntReport, ntSubReport, ntGroup, ntPage, ntNoOutline, ntOther };

class TppOutlineNode;

// Whoever will add page entries under a node at the next page end. A node
// that goes first takes itself off that list, so the list never holds a
// freed node.
class TppOutlinePageTargets {
public:
    virtual void RemovePageTarget(TppOutlineNode* node) = 0;

protected:
    ~TppOutlinePageTargets() = default;
};

// One entry of a report outline: the report, a section, a group instance
// (captioned with its break value) or a page, and the page it leads to.
// Only Caption, NodeType and PageReference are streamed; the rest is the
// state of the outline being built.
class TppOutlineNode : public TppTreeNode {
public:
    PW_CLASS_INFO

    explicit TppOutlineNode(OwnedComponent* owner = nullptr);
    ~TppOutlineNode() override;

    QString Caption;
    TppOutlineNodeType NodeType = ntOther;
    int PageReference = 0;
    // The report or group instance of the entry is still generating.
    bool InProgress = false;
    // Shown in page outlines; off when its participant makes no entries or
    // the node-create handler refused it.
    bool Included = true;

    TppOutlinePageTargets* PendingCreator() const { return pendingCreator_; }
    void SetPendingCreator(TppOutlinePageTargets* creator) { pendingCreator_ = creator; }

    TppOutlineNode* ChildNode(int index) const { return static_cast<TppOutlineNode*>(Child(index)); }
    // Caption, NodeType and PageReference of another outline node.
    void Assign(const TppTreeNode& source) override;
    // The same entries: caption, page, type and, in order, the same children.
    bool IsSameTree(const TppOutlineNode& other) const;
    // The entries as one line, "caption@page[children]" ("Main@1[A@1[Page 1@1]]");
    // a root shows only its children.
    QString OutlineText() const;
    // Read inside an outline node or an outline draw command.
    bool SetParentComponent(OwnedComponent* parent) override;

private:
    TppOutlinePageTargets* pendingCreator_ = nullptr;
};

// The copy of an outline a page keeps: made only from a root, it holds the
// included entries; an excluded entry's children take its place, and a page
// entry whose page its new parent already lists is left out with its subtree.
// None when `source` is not a root.
TppOutlineNode* copyOutline(const TppOutlineNode& source);
