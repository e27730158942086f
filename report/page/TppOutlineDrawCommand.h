#pragma once

#include "TppDrawCommand.h"

// The report outline as it stood at the end of the page, its nodes
// streamed as children. One per page at most; devices never draw it.
class TppOutlineDrawCommand : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppOutlineDrawCommand(OwnedComponent* owner = nullptr);

    bool Completed = false;

    void Draw(PageDrawTarget&) override {}
    void Assign(const TppDrawCommand& source) override;
};
