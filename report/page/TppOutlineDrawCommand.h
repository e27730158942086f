#pragma once

#include "TppDrawCommand.h"

class TppOutlineNode;

// The report outline as it stood at the end of the page, its nodes
// streamed as children: a root whose descendants are the entries. One per
// page at most; devices never draw it.
class TppOutlineDrawCommand : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppOutlineDrawCommand(OwnedComponent* owner = nullptr);
    ~TppOutlineDrawCommand() override;

    // Whether the outline covered the whole report when the page was made.
    bool Completed = false;

    // The root of the outline; none until one is given.
    TppOutlineNode* Tree() const;
    // Replaces the tree by a copy of `root` made by the outline copy rule.
    void SetTree(const TppOutlineNode& root);

    void Draw(PageDrawTarget&) override {}
    bool IsSameAs(const TppDrawCommand& other) const override;
    void Assign(const TppDrawCommand& source) override;

private:
    void freeTree();
};
