#include "TppOutline.h"

#include "OutlineParticipants.h"
#include "PagewrightErrors.h"
#include "TppGroup.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineGroupNodeCreator.h"
#include "TppOutlineReportNodeCreator.h"
#include "TppReport.h"

namespace {

// Parents before children, as the tree is laid out.
void eachCreator(TppOutlineNodeCreator& creator, const std::function<void(TppOutlineNodeCreator&)>& step) {
    step(creator);
    for (int i = 0; i < creator.ChildCount(); ++i)
        eachCreator(*creator.ChildCreator(i), step);
}

} // namespace

TppOutline::TppOutline(TppReport& report) : report_(&report) {
    AddEventKind(ciReportGenerationStart);
    AddEventKind(ciReportEndPage);
    report.SubscribeEvents(this);
}

TppOutline::~TppOutline() {
    // The creators hold nodes of the tree as page targets: they go first.
    topCreator_.reset();
    treeRoot_.reset();
}

void TppOutline::Notify(TppCommunicator* sender, int operation) {
    TppCommunicator::Notify(sender, operation);
    if (operation == ppopRemove && sender == report_) {
        topCreator_.reset();
        report_ = nullptr;
    }
}

void TppOutline::Initialize() {
    if (!report_)
        throw EOutlineError(QStringLiteral("TppOutline.Initialize: Report is nil."));
    lastOutlinedPage_ = 0;
    topCreator_.reset();
    noOutlineNode_ = nullptr;
    treeRoot_ = std::make_unique<TppOutlineNode>();
    treeRoot_->NodeType = ntRoot;
    treeRoot_->PageReference = -1;
    if (hasCollapsibleDrillDown(*report_)) {
        complete_ = true;
        noOutlineNode_ = new TppOutlineNode;
        noOutlineNode_->Caption = QStringLiteral("NoOutline: DrillDown not supported");
        noOutlineNode_->NodeType = ntNoOutline;
        noOutlineNode_->PageReference = -1;
        noOutlineNode_->InProgress = true;
        noOutlineNode_->SetParent(treeRoot_.get());
        return;
    }
    complete_ = false;
    buildCreators(*report_, nullptr);
}

void TppOutline::buildCreators(TppCommunicator& participant, TppOutlineNodeCreator* parent) {
    TppOutlineNodeCreator* creator = nullptr;
    if (dynamic_cast<TppGroup*>(&participant))
        creator = new TppOutlineGroupNodeCreator(*this, participant, parent);
    else
        creator = new TppOutlineReportNodeCreator(*this, participant, parent);
    if (!parent)
        topCreator_.reset(creator);
    creator->Subscribe();
    for (TppCommunicator* child : outlineChildren(participant))
        buildCreators(*child, creator);
}

int TppOutline::CurrentPage() const {
    TppEngine* engine = report_ ? report_->BandedEngine() : nullptr;
    return engine ? engine->AbsolutePageNo : 0;
}

bool TppOutline::CoversPage() const {
    return lastOutlinedPage_ > 0 && lastOutlinedPage_ >= CurrentPage();
}

bool TppOutline::OutlineComplete() const {
    if (!complete_ && report_) {
        TppEngine* engine = report_->BandedEngine();
        // The page limit ends the report right after this page's outline is made.
        const bool limitReached = report_->PageLimit() > 0 && CurrentPage() >= report_->PageLimit();
        complete_ = engine && (engine->LastBandDone || engine->SecondPass() || limitReached);
    }
    return complete_;
}

bool TppOutline::AcceptNode(TppCommunicator& participant, TppOutlineNode& node) {
    bool accept = true;
    if (OnOutlineNodeCreate)
        OnOutlineNodeCreate(&participant, &node, accept);
    return accept;
}

void TppOutline::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCommunicator::EventNotify(sender, kind, params);
    if (!report_ || sender != report_)
        return;
    if (kind == ciReportGenerationStart)
        generationStarts();
    else if (kind == ciReportEndPage && active_)
        endPage();
}

void TppOutline::generationStarts() {
    // Only a report printing on its own makes an outline; one printed inside
    // another's band is part of that report's.
    active_ = report_->OutlineSettings().Enabled() && report_->MainReport() == report_;
    TppEngine* engine = report_->BandedEngine();
    if (active_ && engine && (!engine->HasStatus(esStarted) || !treeRoot_))
        Initialize();
}

void TppOutline::endPage() {
    if (topCreator_ && !CoversPage()) {
        eachCreator(*topCreator_, [](TppOutlineNodeCreator& creator) { creator.CorrectKeptTogether(); });
        eachCreator(*topCreator_, [](TppOutlineNodeCreator& creator) { creator.EndPage(); });
        lastOutlinedPage_ = CurrentPage();
    }
    if (TppEngine* engine = report_->BandedEngine())
        engine->Page().AddDrawCommand(MakeDrawCommand().release());
}

std::unique_ptr<TppOutlineDrawCommand> TppOutline::MakeDrawCommand() {
    auto command = std::make_unique<TppOutlineDrawCommand>();
    command->Completed = OutlineComplete();
    if (treeRoot_)
        command->SetTree(*treeRoot_);
    return command;
}
