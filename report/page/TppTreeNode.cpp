#include "TppTreeNode.h"

#include "ClassBuilder.h"

const ClassInfo& TppTreeNode::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppTreeNode>("TppTreeNode", &TppRelative::staticClassInfo(), [](auto&) {});
    return info;
}

TppTreeNode::TppTreeNode(OwnedComponent* owner) : TppRelative(owner) {}

TppTreeNode::~TppTreeNode() {
    markDestroying();
}

TppTreeNode* TppTreeNode::ChildNodes(int index) const {
    return static_cast<TppTreeNode*>(Child(index));
}

int TppTreeNode::AbsoluteChildNodeCount() const {
    int count = ChildCount();
    for (TppRelative* child : children())
        count += static_cast<TppTreeNode*>(child)->AbsoluteChildNodeCount();
    return count;
}

int TppTreeNode::Level() const {
    int level = 0;
    for (TppTreeNode* node = ParentNode(); node; node = node->ParentNode())
        ++level;
    return level;
}

TppTreeNode* TppTreeNode::ParentNode() const {
    return dynamic_cast<TppTreeNode*>(Parent());
}

void TppTreeNode::SetParentNode(TppTreeNode* parent) {
    SetParent(parent);
}

TppTreeNode* TppTreeNode::Add() {
    auto* node = static_cast<TppTreeNode*>(classInfo().create(nullptr));
    node->SetParent(this);
    return node;
}

void TppTreeNode::Assign(const TppTreeNode&) {}

TppTreeNode* TppTreeNode::CloneNode(TppTreeNode* newParent, bool recurse) const {
    auto* clone = static_cast<TppTreeNode*>(classInfo().create(nullptr));
    clone->Assign(*this);
    clone->SetParent(newParent);
    if (recurse)
        for (TppRelative* child : children())
            static_cast<TppTreeNode*>(child)->CloneNode(clone, true);
    return clone;
}

TppTreeNode* TppTreeNode::GetFirstChild() const {
    return ChildCount() > 0 ? ChildNodes(0) : nullptr;
}

TppTreeNode* TppTreeNode::GetLastChild() const {
    return ChildCount() > 0 ? ChildNodes(ChildCount() - 1) : nullptr;
}

TppTreeNode* TppTreeNode::GetLastChildDescendent() const {
    TppTreeNode* node = GetLastChild();
    while (node && node->GetLastChild())
        node = node->GetLastChild();
    return node;
}

TppTreeNode* TppTreeNode::GetNextSibling() const {
    const TppTreeNode* parent = ParentNode();
    if (!parent)
        return nullptr;
    const int index = Index();
    return index + 1 < parent->ChildCount() ? parent->ChildNodes(index + 1) : nullptr;
}

TppTreeNode* TppTreeNode::GetPreviousSibling() const {
    const TppTreeNode* parent = ParentNode();
    if (!parent)
        return nullptr;
    const int index = Index();
    return index > 0 ? parent->ChildNodes(index - 1) : nullptr;
}

TppTreeNode* TppTreeNode::GetNext() const {
    if (TppTreeNode* child = GetFirstChild())
        return child;
    for (const TppTreeNode* node = this; node; node = node->ParentNode())
        if (TppTreeNode* sibling = node->GetNextSibling())
            return sibling;
    return nullptr;
}

TppTreeNode* TppTreeNode::GetPrevious() const {
    if (TppTreeNode* sibling = GetPreviousSibling()) {
        TppTreeNode* last = sibling->GetLastChildDescendent();
        return last ? last : sibling;
    }
    return ParentNode();
}

bool TppTreeNode::SetParentComponent(OwnedComponent* parent) {
    auto* node = dynamic_cast<TppTreeNode*>(parent);
    if (!node)
        return false;
    SetParent(node);
    return true;
}
