#include "TppOutlineNode.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppOutlineDrawCommand.h"

const ClassInfo& TppOutlineNode::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppOutlineNode>("TppOutlineNode", &TppTreeNode::staticClassInfo(), [](auto& c) {
            using N = TppOutlineNode;
            c.property(
                "Caption", [](const N& n) { return n.Caption; },
                [](N& n, const QString& v) { n.Caption = v; });
            c.property(
                 "NodeType", [](const N& n) { return n.NodeType; },
                 [](N& n, TppOutlineNodeType v) { n.NodeType = v; })
                .names(enumerationNames("TppOutlineNodeType"))
                .withDefault(ntOther);
            c.property(
                 "PageReference", [](const N& n) { return n.PageReference; },
                 [](N& n, int v) { n.PageReference = v; })
                .withDefault(0);
        });
    return info;
}

TppOutlineNode::TppOutlineNode(OwnedComponent* owner) : TppTreeNode(owner) {}

TppOutlineNode::~TppOutlineNode() {
    markDestroying();
    if (TppOutlinePageTargets* creator = std::exchange(pendingCreator_, nullptr))
        creator->RemovePageTarget(this);
}

void TppOutlineNode::Assign(const TppTreeNode& source) {
    TppTreeNode::Assign(source);
    if (const auto* node = dynamic_cast<const TppOutlineNode*>(&source)) {
        Caption = node->Caption;
        NodeType = node->NodeType;
        PageReference = node->PageReference;
    }
}

bool TppOutlineNode::IsSameTree(const TppOutlineNode& other) const {
    if (Caption != other.Caption || PageReference != other.PageReference || NodeType != other.NodeType ||
        ChildCount() != other.ChildCount())
        return false;
    for (int i = 0; i < ChildCount(); ++i)
        if (!ChildNode(i)->IsSameTree(*other.ChildNode(i)))
            return false;
    return true;
}

QString TppOutlineNode::OutlineText() const {
    QStringList children;
    for (int i = 0; i < ChildCount(); ++i)
        children << ChildNode(i)->OutlineText();
    if (NodeType == ntRoot)
        return children.join(u',');
    QString text = Caption + u'@' + QString::number(PageReference);
    if (!children.isEmpty())
        text += u'[' + children.join(u',') + u']';
    return text;
}

bool TppOutlineNode::SetParentComponent(OwnedComponent* parent) {
    if (auto* command = dynamic_cast<TppOutlineDrawCommand*>(parent)) {
        SetParent(command);
        return true;
    }
    return dynamic_cast<TppOutlineNode*>(parent) && TppTreeNode::SetParentComponent(parent);
}

namespace {

void copyChildren(const TppOutlineNode& source, TppOutlineNode& destination) {
    for (TppRelative* child : source.children()) {
        const auto& node = *static_cast<const TppOutlineNode*>(child);
        if (!node.Included) {
            copyChildren(node, destination);
            continue;
        }
        if (node.NodeType == ntPage) {
            const bool listed = std::any_of(
                destination.children().begin(), destination.children().end(), [&node](const TppRelative* r) {
                    const auto* page = static_cast<const TppOutlineNode*>(r);
                    return page->NodeType == ntPage && page->PageReference == node.PageReference;
                });
            if (listed)
                continue;
        }
        auto* copy = new TppOutlineNode;
        copy->Assign(node);
        copy->SetParent(&destination);
        copyChildren(node, *copy);
    }
}

} // namespace

TppOutlineNode* copyOutline(const TppOutlineNode& source) {
    if (source.NodeType != ntRoot)
        return nullptr;
    auto* root = new TppOutlineNode;
    root->Assign(source);
    copyChildren(source, *root);
    return root;
}
