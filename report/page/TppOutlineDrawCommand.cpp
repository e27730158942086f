#include "TppOutlineDrawCommand.h"

#include "ClassBuilder.h"
#include "TppOutlineNode.h"

const ClassInfo& TppOutlineDrawCommand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppOutlineDrawCommand>(
        "TppOutlineDrawCommand", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            c.property(
                 "Completed", [](const TppOutlineDrawCommand& o) { return o.Completed; },
                 [](TppOutlineDrawCommand& o, bool v) { o.Completed = v; })
                .withDefault(false);
        });
    return info;
}

TppOutlineDrawCommand::TppOutlineDrawCommand(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtNotKnown);
}

TppOutlineDrawCommand::~TppOutlineDrawCommand() {
    markDestroying();
}

TppOutlineNode* TppOutlineDrawCommand::Tree() const {
    for (TppRelative* child : children())
        if (auto* node = dynamic_cast<TppOutlineNode*>(child))
            return node;
    return nullptr;
}

void TppOutlineDrawCommand::freeTree() {
    while (TppOutlineNode* node = Tree())
        delete node;
}

void TppOutlineDrawCommand::SetTree(const TppOutlineNode& root) {
    freeTree();
    if (TppOutlineNode* copy = copyOutline(root))
        copy->SetParent(this);
}

bool TppOutlineDrawCommand::IsSameAs(const TppDrawCommand& other) const {
    if (!TppDrawCommand::IsSameAs(other))
        return false;
    const auto& outline = static_cast<const TppOutlineDrawCommand&>(other);
    const TppOutlineNode* mine = Tree();
    const TppOutlineNode* theirs = outline.Tree();
    if (!mine || !theirs)
        return !mine && !theirs;
    return mine->IsSameTree(*theirs);
}

void TppOutlineDrawCommand::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    const auto* outline = dynamic_cast<const TppOutlineDrawCommand*>(&source);
    if (!outline)
        return;
    Completed = outline->Completed;
    freeTree();
    if (const TppOutlineNode* tree = outline->Tree())
        SetTree(*tree);
}
