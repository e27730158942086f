#pragma once

#include "TppOutlineNode.h"
#include "TppRelative.h"
#include "WeakReference.h"

class TppOutline;
class TppReport;

// Makes the outline entries of one participant (the report, a subreport or
// a group) as it generates. Creators form a tree that mirrors the
// participants; a new entry goes under the latest entry of the nearest
// creator above that has one. The nodes a creator remembers are weak
// references: freeing a node (a kept-together group moved on) clears every
// creator's hold on it and on its descendants.
class TppOutlineNodeCreator : public TppRelative, public TppOutlinePageTargets {
public:
    TppOutlineNodeCreator(TppOutline& outline, TppCommunicator& component, TppOutlineNodeCreator* parent);
    ~TppOutlineNodeCreator() override;

    TppCommunicator* NodeCreatorComponent() const { return component_; }
    TppOutline* Outline() const { return outline_; }
    TppReport* TopReport() const;
    TppOutlineNodeCreator* ParentCreator() const { return static_cast<TppOutlineNodeCreator*>(Parent()); }
    TppOutlineNodeCreator* ChildCreator(int index) const {
        return static_cast<TppOutlineNodeCreator*>(Child(index));
    }

    TppOutlineNode* LatestNode() const { return latest_.get(); }
    const QList<TppOutlineNode*>& PageNodeTargets() const { return pageNodeTargets_; }

    // Starts listening to the participant's events.
    virtual void Subscribe() = 0;
    // The keep-together correction; only group creators make one.
    virtual void CorrectKeptTogether() {}
    // The page has ended: page entries under every target, then the
    // in-progress entry waits for the next page's.
    virtual void EndPage();

    void RemovePageTarget(TppOutlineNode* node) override;
    void Notify(TppCommunicator* sender, int operation) override;

protected:
    // A new entry, placed in the tree and in progress.
    TppOutlineNode* makeNode(const QString& caption, TppOutlineNodeType type, int page, bool included);
    void setLatestNode(TppOutlineNode* node) { latest_.reset(node); }
    // Offers the node to the node-create handler; a refused one stays, not included.
    void ask(TppOutlineNode& node);
    // The node gets page entries at the next page end, when the report makes them.
    void registerForPageEntries(TppOutlineNode& node);
    // The outline already covers the page being generated.
    bool pageCovered() const;
    // The top report's page being generated.
    int currentPage() const;

private:
    TppOutlineNode* parentForNewNode() const;
    void addPageEntries();
    void releaseTargets();

    TppOutline* outline_;
    TppCommunicator* component_;
    WeakReference<TppOutlineNode> latest_;
    QList<TppOutlineNode*> pageNodeTargets_;
};
