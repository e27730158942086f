#include "GroupsCommand.h"

#include "ComponentNames.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "DesignerController.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"

TppGroupOptions TppGroupOptions::of(const TppGroup& group) {
    TppGroupOptions options;
    options.breakName = group.BreakName();
    options.breakType = group.BreakType();
    options.pipeline = group.DataPipeline() ? group.DataPipeline()->Name() : QString();
    options.group = group.Name();
    options.keepTogether = group.KeepTogether();
    options.newColumn = group.NewColumn();
    options.mmNewColumnThreshold = group.mmNewColumnThreshold();
    options.newPage = group.NewPage();
    options.mmNewPageThreshold = group.mmNewPageThreshold();
    options.reprintOnSubsequentColumn = group.ReprintOnSubsequentColumn();
    options.reprintOnSubsequentPage = group.ReprintOnSubsequentPage();
    options.resetPageNo = group.ResetPageNo();
    return options;
}

namespace {

TppGroup* findGroup(const DesignerController& designer, const QString& name) {
    auto* group = dynamic_cast<TppGroup*>(designer.findByName(name));
    return group && group->Report() == &designer.report() ? group : nullptr;
}

void nameNew(DesignerController& designer, OwnedComponent& component) {
    component.SetName(UniqueComponentName(&designer.scope(), ClassNameWithoutT(component), &component));
}

// The report's groups in the given order: each leaves and joins again in
// turn, so the list ends up in that order; then the bands of every group
// are sorted and their components learn their groups' new numbers.
void reorderGroups(TppCustomReport& report, const QList<TppGroup*>& order) {
    for (TppGroup* group : order) {
        report.RemoveGroup(group);
        report.AddGroup(group);
    }
    for (TppBand* band : report.Bands())
        for (TppComponent* component : band->Objects())
            component->RefreshBandType();
    report.SortBands();
}

TppGroup* createGroup(DesignerController& designer) {
    auto* group = new TppGroup(&designer.scope());
    nameNew(designer, *group);
    group->SetUserName(group->Name().mid(2));
    group->SetReport(&designer.report());
    group->CreateBands();
    for (OwnedComponent* band : {static_cast<OwnedComponent*>(group->HeaderBand()),
                                 static_cast<OwnedComponent*>(group->FooterBand())})
        if (band && band->Name().isEmpty())
            nameNew(designer, *band);
    return group;
}

} // namespace

void applyGroupOptions(DesignerController& designer, const QList<TppGroupOptions>& entries) {
    TppCustomReport& report = designer.report();
    const QList<TppGroupOptions> before = GroupsCommand::stateOf(designer);
    QList<TppGroup*> kept;
    for (const TppGroupOptions& entry : entries)
        if (TppGroup* group = findGroup(designer, entry.group))
            kept << group;
    QList<TppGroup*> doomed;
    for (TppGroup* group : report.Groups())
        if (!kept.contains(group))
            doomed << group;
    const QByteArray removed = GroupsCommand::store(designer, doomed);

    QList<TppGroup*> created;
    QList<TppGroup*> order;
    for (const TppGroupOptions& entry : entries) {
        TppGroup* group = findGroup(designer, entry.group);
        if (!group) {
            group = createGroup(designer);
            created << group;
        }
        order << group;
    }
    reorderGroups(report, order + doomed);
    for (int index = 0; index < entries.size(); ++index)
        GroupsCommand::applyTo(designer, *order.at(index), entries.at(index));
    // What is left beyond the entries are the groups whose entries were deleted.
    while (report.GroupCount() > entries.size())
        GroupsCommand::freeGroup(designer, report.Group(report.GroupCount() - 1));

    const QList<TppGroupOptions> after = GroupsCommand::stateOf(designer);
    if (after == before)
        return;
    designer.markModified();
    designer.undoStack().push(
        new GroupsCommand(designer, before, removed, after, GroupsCommand::store(designer, created)));
    designer.notifyChanged();
}

GroupsCommand::GroupsCommand(DesignerController& designer, QList<TppGroupOptions> before, QByteArray removed,
                             QList<TppGroupOptions> after, QByteArray added)
    : QUndoCommand(QStringLiteral("Groups")), designer_(designer), before_(std::move(before)),
      removed_(std::move(removed)), after_(std::move(after)), added_(std::move(added)) {}

QList<TppGroupOptions> GroupsCommand::stateOf(const DesignerController& designer) {
    QList<TppGroupOptions> state;
    for (const TppGroup* group : designer.report().Groups())
        state << TppGroupOptions::of(*group);
    return state;
}

QByteArray GroupsCommand::store(const DesignerController& designer, const QList<TppGroup*>& groups) {
    if (groups.isEmpty())
        return {};
    QList<const OwnedComponent*> objects;
    for (const TppGroup* group : groups)
        objects << group;
    return WriteComponents(objects, &designer.scope(), StreamForm::Binary);
}

void GroupsCommand::freeGroup(DesignerController& designer, TppGroup* group) {
    if (!group)
        return;
    for (const TppBand* band :
         {static_cast<const TppBand*>(group->HeaderBand()), static_cast<const TppBand*>(group->FooterBand())})
        if (band)
            for (const TppComponent* component : band->Objects())
                designer.forget(component);
    delete group;
}

void GroupsCommand::applyTo(DesignerController& designer, TppGroup& group, const TppGroupOptions& options) {
    // The type first: a custom field's name is looked up among the text components.
    group.SetBreakType(options.breakType);
    group.SetBreakName(options.breakName);
    group.SetDataPipeline(options.breakType == btDataField
                              ? TppDataPipeline::FindByName(&designer.scope(), options.pipeline)
                              : nullptr);
    // Keep-together first: a new page or column that follows switches it off again.
    group.SetKeepTogether(options.keepTogether);
    group.SetNewColumn(options.newColumn);
    group.SetmmNewColumnThreshold(options.mmNewColumnThreshold);
    group.SetNewPage(options.newPage);
    group.SetmmNewPageThreshold(options.mmNewPageThreshold);
    group.SetReprintOnSubsequentColumn(options.reprintOnSubsequentColumn);
    group.SetReprintOnSubsequentPage(options.reprintOnSubsequentPage);
    group.SetResetPageNo(options.resetPageNo);
}

void GroupsCommand::restore(const QList<TppGroupOptions>& state, const QByteArray& missing) {
    TppCustomReport& report = designer_.report();
    QStringList names;
    for (const TppGroupOptions& options : state)
        names << options.group;
    for (qsizetype index = report.GroupCount() - 1; index >= 0; --index)
        if (!names.contains(report.Group(int(index))->Name()))
            freeGroup(designer_, report.Group(int(index)));
    if (!missing.isEmpty()) {
        const ReadResult read = ReadComponents(missing, designer_.scope(), &designer_.scope());
        for (OwnedComponent* object : read.components) {
            if (auto* group = dynamic_cast<TppGroup*>(object))
                group->SetReport(&report);
            else
                delete object;
        }
    }
    QList<TppGroup*> order;
    QList<const TppGroupOptions*> settings;
    for (const TppGroupOptions& options : state)
        if (TppGroup* group = findGroup(designer_, options.group)) {
            order << group;
            settings << &options;
        }
    reorderGroups(report, order);
    for (int index = 0; index < order.size(); ++index)
        applyTo(designer_, *order.at(index), *settings.at(index));
    designer_.markModified();
    designer_.notifyChanged();
}

void GroupsCommand::undo() {
    madeIn_.enter(designer_);
    restore(before_, removed_);
}

void GroupsCommand::redo() {
    madeIn_.enter(designer_);
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    restore(after_, added_);
}
