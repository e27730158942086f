#include "TppOutlineNodeCreator.h"

#include "LanguageStringNumbers.h"
#include "TppOutline.h"
#include "TppReport.h"
#include "TppResourceManager.h"

TppOutlineNodeCreator::TppOutlineNodeCreator(TppOutline& outline, TppCommunicator& component,
                                             TppOutlineNodeCreator* parent)
    : outline_(&outline), component_(&component) {
    SetParent(parent);
    LinkTo(&component);
}

TppOutlineNodeCreator::~TppOutlineNodeCreator() {
    markDestroying();
    releaseTargets();
}

void TppOutlineNodeCreator::releaseTargets() {
    for (TppOutlineNode* node : std::exchange(pageNodeTargets_, {}))
        node->SetPendingCreator(nullptr);
}

TppReport* TppOutlineNodeCreator::TopReport() const {
    return outline_->Report();
}

void TppOutlineNodeCreator::Notify(TppCommunicator* sender, int operation) {
    TppRelative::Notify(sender, operation);
    if (operation == ppopRemove && sender == component_)
        component_ = nullptr;
}

bool TppOutlineNodeCreator::pageCovered() const {
    return outline_->CoversPage();
}

int TppOutlineNodeCreator::currentPage() const {
    return outline_->CurrentPage();
}

TppOutlineNode* TppOutlineNodeCreator::parentForNewNode() const {
    for (const TppOutlineNodeCreator* creator = ParentCreator(); creator; creator = creator->ParentCreator())
        if (TppOutlineNode* node = creator->LatestNode())
            return node;
    return outline_->TreeRoot();
}

TppOutlineNode* TppOutlineNodeCreator::makeNode(const QString& caption, TppOutlineNodeType type, int page,
                                                bool included) {
    auto* node = new TppOutlineNode;
    node->InProgress = true;
    node->Included = included;
    node->Caption = caption;
    node->NodeType = type;
    node->PageReference = page;
    node->SetParent(parentForNewNode());
    return node;
}

void TppOutlineNodeCreator::ask(TppOutlineNode& node) {
    if (node.Included && component_)
        node.Included = outline_->AcceptNode(*component_, node);
}

void TppOutlineNodeCreator::registerForPageEntries(TppOutlineNode& node) {
    TppReport* top = TopReport();
    if (!top || !top->OutlineSettings().CreatePageNodes())
        return;
    if (node.PendingCreator() == this)
        return;
    if (TppOutlinePageTargets* other = node.PendingCreator())
        other->RemovePageTarget(&node);
    pageNodeTargets_.append(&node);
    node.SetPendingCreator(this);
}

void TppOutlineNodeCreator::RemovePageTarget(TppOutlineNode* node) {
    pageNodeTargets_.removeAll(node);
    if (node->PendingCreator() == this)
        node->SetPendingCreator(nullptr);
}

void TppOutlineNodeCreator::EndPage() {
    addPageEntries();
    if (TppOutlineNode* latest = LatestNode(); latest && latest->InProgress)
        registerForPageEntries(*latest);
}

void TppOutlineNodeCreator::addPageEntries() {
    TppReport* top = TopReport();
    if (!top || !top->OutlineSettings().CreatePageNodes())
        return;
    const int page = currentPage();
    // A handler may free nodes while it is asked: take the targets one at a time.
    while (!pageNodeTargets_.isEmpty()) {
        TppOutlineNode* target = pageNodeTargets_.takeFirst();
        target->SetPendingCreator(nullptr);
        const bool innerPending =
            std::any_of(target->children().begin(), target->children().end(), [](const TppRelative* child) {
                return static_cast<const TppOutlineNode*>(child)->PendingCreator();
            });
        if (innerPending)
            continue;
        auto* entry = new TppOutlineNode;
        entry->Caption = LanguageString(kMsgPage) + u' ' + QString::number(page);
        entry->NodeType = ntPage;
        entry->PageReference = page;
        entry->SetParent(target);
        if (component_ && !outline_->AcceptNode(*component_, *entry))
            delete entry;
    }
}
