#pragma once

#include "TppOutlineNodeCreator.h"

class TppGroup;

// The entries of one group: one per group instance, captioned with its
// break value, made when its header prints (or, for a group whose header
// does not print, with its first detail) and finished by its footer.
class TppOutlineGroupNodeCreator : public TppOutlineNodeCreator {
public:
    using TppOutlineNodeCreator::TppOutlineNodeCreator;
    ~TppOutlineGroupNodeCreator() override;

    TppGroup* Group() const;
    TppOutlineNode* PageFirstNode() const { return pageFirst_.get(); }
    TppOutlineNode* PriorNode() const { return prior_.get(); }
    bool HeaderShown = false;

    void Subscribe() override;
    // An instance kept together that does not fit moves to the next page:
    // the entry made for it on this page goes, and the one before is the
    // latest again, so the entry is made anew where the instance prints.
    void CorrectKeptTogether() override;
    void EndPage() override;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    void makeGroupEntry();
    bool keptTogetherBelow() const;

    WeakReference<TppOutlineNode> pageFirst_;
    WeakReference<TppOutlineNode> prior_;
    TppCommunicator* header_ = nullptr;
    TppCommunicator* footer_ = nullptr;
    TppCommunicator* detail_ = nullptr;
};
