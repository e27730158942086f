#pragma once

#include "TppCommunicator.h"

#include <functional>
#include <memory>

class TppOutlineDrawCommand;
class TppOutlineNode;
class TppOutlineNodeCreator;
class TppReport;

// The report outline: a tree of entries for the report, its section
// subreports, its group instances and, optionally, its pages, built while
// the report generates. Each page gets a copy as its outline draw command,
// so pages already made never change when the outline grows or is rebuilt.
//
// It listens to its report: each new generation run with the outline
// enabled starts it anew, and each page end adds the page's entries and
// puts the outline draw command on the page. Pages generated again (from the
// page cache, or in a second pass) must not add entries twice: everything
// that adds entries first asks CoversPage.
class TppOutline : public TppCommunicator {
public:
    explicit TppOutline(TppReport& report);
    ~TppOutline() override;

    TppReport* Report() const { return report_; }
    TppOutlineNode* TreeRoot() const { return treeRoot_.get(); }
    TppOutlineNode* NoOutlineNode() const { return noOutlineNode_; }
    TppOutlineNodeCreator* TopCreator() const { return topCreator_.get(); }
    bool OutlineComplete() const;
    int LastOutlinedPage() const { return lastOutlinedPage_; }

    // (sender, node, accept): a handler may rename the node or refuse it.
    std::function<void(TppCommunicator* sender, TppOutlineNode* node, bool& accept)> OnOutlineNodeCreate;

    // Starts a new outline for a new run: a fresh tree and creator tree. A
    // report whose drill-down subreports collapse gets the single "no
    // outline" entry instead.
    void Initialize();
    // The outline has processed the end of the page being generated, or of a later one.
    bool CoversPage() const;
    // The top report's page being generated.
    int CurrentPage() const;
    // Asks OnOutlineNodeCreate; answers whether the node is accepted.
    bool AcceptNode(TppCommunicator& participant, TppOutlineNode& node);
    // The outline as it stands, for the page being finished.
    std::unique_ptr<TppOutlineDrawCommand> MakeDrawCommand();

    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    void buildCreators(TppCommunicator& participant, TppOutlineNodeCreator* parent);
    void generationStarts();
    void endPage();

    TppReport* report_;
    std::unique_ptr<TppOutlineNode> treeRoot_;
    TppOutlineNode* noOutlineNode_ = nullptr;
    std::unique_ptr<TppOutlineNodeCreator> topCreator_;
    mutable bool complete_ = false;
    int lastOutlinedPage_ = 0;
    // This run makes an outline: it is enabled and the report prints on its own.
    bool active_ = false;
};
