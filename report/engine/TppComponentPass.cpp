#include "TppComponentPass.h"

#include "TppBand.h"
#include "TppCustomComponent.h"
#include "TppReportModel.h"
#include "TppStretchable.h"
#include "TppSubReport.h"

#include <algorithm>
#include <array>

namespace {

const QString kStaticList = QStringLiteral("1");
const QString kStretchList = QStringLiteral("2");
const QString kStretchWithParentList = QStringLiteral("3");
const QString kShiftWithParentList = QStringLiteral("4");

const TppStretchable* asStretchable(const TppComponent* component) {
    return dynamic_cast<const TppStretchable*>(component);
}

bool isSection(const TppComponent* component) {
    const auto* subReport = dynamic_cast<const TppSubReport*>(component);
    return subReport && subReport->PrintBehavior() == pbSection;
}

bool isStretching(const TppComponent* component) {
    const TppStretchable* stretchable = asStretchable(component);
    return stretchable && stretchable->Stretch();
}

const QString& listKeyOf(const TppComponent* component) {
    if (isStretching(component))
        return kStretchList;
    if (component->StretchWithParent())
        return kStretchWithParentList;
    if (component->ShiftWithParent())
        return kShiftWithParentList;
    return kStaticList;
}

} // namespace

TppComponentPass::TppComponentPass(TppBand& band) : band_(band) {}

QList<TppComponentPass::GenerationList> TppComponentPass::buildLists(const QList<TppComponent*>& objects,
                                                                     const TppComponent* region) {
    std::array<QList<TppComponent*>, 4> members;
    const std::array<QString, 4> keys = {kStaticList, kStretchList, kStretchWithParentList,
                                         kShiftWithParentList};
    for (TppComponent* component : objects) {
        if (component->Region() != region)
            continue;
        const TppStretchable* stretchable = asStretchable(component);
        if (stretchable && stretchable->ShiftRelativeTo())
            continue;
        if (region && !stretchable && !dynamic_cast<const TppCustomComponent*>(component))
            continue;
        const QString& key = listKeyOf(component);
        members[size_t(std::find(keys.begin(), keys.end(), key) - keys.begin())].append(component);
    }
    QList<GenerationList> lists;
    for (size_t i = 0; i < keys.size(); ++i)
        if (!members[i].isEmpty())
            lists.append({keys[i], members[i]});
    return lists;
}

void TppComponentPass::InitForReport() {
    const QList<TppComponent*>& objects = band_.Objects();
    for (int index = 0; index < objects.size(); ++index)
        objects[index]->ZOrder = index;
    lists_ = buildLists(objects, nullptr);
    for (TppComponent* component : objects)
        component->InitForReport();
    resumeListIndex_ = 0;
    resumeObjectIndex_ = 0;
}

void TppComponentPass::SetResumePosition(int listIndex, int objectIndex) {
    resumeListIndex_ = listIndex;
    resumeObjectIndex_ = objectIndex;
}

void TppComponentPass::ResetForBand() {
    for (TppComponent* component : band_.Objects())
        component->ResetForBand();
}

void TppComponentPass::GenerateComponents() {
    band_.AllObjectsPrinted = true;
    band_.MaxStretchable = nullptr;
    drawQueue_.Clear();
    sectionEnded_ = false;
    PassMarks marks;
    // A band that starts afresh draws everything; a continuation draws only
    // what was left over (or is marked to print again).
    if (!band_.OverFlow && !band_.PartialGeneration)
        for (TppComponent* component : band_.Objects())
            component->DrawComponent = true;
    marks.partialAdjustment = band_.PartialAdjustment != 0 ? band_.PartialAdjustment : band_.mmHeight();

    const bool resumesPastStatics =
        !lists_.isEmpty() && lists_.first().key == kStaticList && resumeListIndex_ > 0;
    if (band_.OverFlow && resumesPastStatics && !PrintingSection && !band_.PartialGeneration)
        generateList(0, 0, marks);

    const int firstList = resumeListIndex_;
    for (int listIndex = firstList; listIndex < lists_.size() && !stopped(); ++listIndex) {
        generateList(listIndex, listIndex == firstList ? resumeObjectIndex_ : 0, marks);
        if (!band_.AllObjectsPrinted && !marks.listRecorded) {
            marks.listRecorded = true;
            resumeListIndex_ = listIndex;
        }
        if (PrintingSection)
            break;
        // Components that follow the parent's growth wait for something to grow.
        if (lists_[listIndex].key == kStretchList && band_.SpaceUsed == 0)
            break;
    }

    band_.OverFlow = marks.objectOverFlow && !drawQueue_.IsEmpty();
    band_.PartialGeneration = !(band_.AllObjectsPrinted || band_.OverFlow);
    if (!band_.PartialGeneration)
        band_.PartialAdjustment = band_.mmHeight();
    else
        band_.PartialAdjustment = drawQueue_.IsEmpty() ? 0 : marks.partialAdjustment;
    if (band_.AllObjectsPrinted)
        SetResumePosition(0, 0);
    if (band_.PartialGeneration || band_.OverFlow)
        band_.OutOfSpace = true;
}

void TppComponentPass::generateList(int listIndex, int startIndex, PassMarks& marks) {
    const QList<TppComponent*>& components = lists_[listIndex].components;
    band_.CumulativeCurrentPosition = band_.CurrentPosition;
    const bool enteredPartial = band_.PartialGeneration;
    const bool allPrintedAtStart = band_.AllObjectsPrinted;
    bool recordedHere = false;
    for (int index = startIndex; index < components.size() && !band_.GenerationComplete; ++index) {
        if (index > startIndex) {
            processMessages();
            if (stopped())
                break;
        }
        TppComponent* component = components[index];
        component->Generate();
        if (component->SpaceUsed > 0)
            drawQueue_.Add(component);
        if (!component->GenerationComplete) {
            if (!marks.objectRecorded) {
                marks.objectRecorded = true;
                recordedHere = true;
                resumeObjectIndex_ = index;
                marks.objectOverFlow = isStretching(component);
            }
            band_.AllObjectsPrinted = false;
            marks.partialAdjustment = std::min(marks.partialAdjustment, component->mmTop());
        }
        if (PrintingSection)
            followSection(components, index);
        else if (band_.ParentIsDynamic())
            trackGrowth(*component, marks);
    }
    if (band_.CumulativeCurrentPosition != band_.CurrentPosition) {
        band_.CurrentPosition = band_.CumulativeCurrentPosition;
        band_.SpaceUsed = band_.CurrentPosition - band_.PrintRect.Top;
    }
    // A continuation moves up by the design top of the first component
    // still unfinished in this list.
    if (enteredPartial && allPrintedAtStart && !band_.AllObjectsPrinted && recordedHere)
        marks.partialAdjustment = components[resumeObjectIndex_]->mmTop();
}

// While a section prints, the band waits for it: an unfinished component
// leaves the rest of the band to the next page; once the last section of
// the list has finished, the band is done with this page.
void TppComponentPass::followSection(const QList<TppComponent*>& components, int index) {
    const TppComponent& component = *components[index];
    if (!component.GenerationComplete) {
        band_.GenerationComplete = true;
        return;
    }
    const bool sectionFollows = index + 1 < components.size() && isSection(components[index + 1]);
    if (sectionFollows) {
        if (component.Visible())
            band_.SpaceUsed = component.SpaceUsed;
        return;
    }
    PrintingSection = false;
    sectionEnded_ = true;
    band_.PartialGeneration = false;
    if (band_.ParentIsDynamic())
        band_.PartialAdjustment = -1;
}

void TppComponentPass::trackGrowth(TppComponent& component, PassMarks& marks) {
    const bool stretchable = asStretchable(&component) != nullptr;
    if (stretchable && !band_.MaxStretchable)
        band_.MaxStretchable = &component;
    if (component.SpaceUsed == 0)
        return;
    const int bottom = component.PrintRect.Top + component.SpaceUsed;
    band_.CumulativeCurrentPosition = std::max(band_.CumulativeCurrentPosition, bottom);
    if (stretchable && (!marks.stretchableBottomSeen || bottom > marks.lowestStretchableBottom)) {
        marks.stretchableBottomSeen = true;
        marks.lowestStretchableBottom = bottom;
        band_.MaxStretchable = &component;
    }
}

void TppComponentPass::DrawComponents(TppPage& page) {
    bool first = true;
    for (TppPrintable* component : drawQueue_.Sorted()) {
        if (!first)
            processMessages();
        first = false;
        component->DrawOnPage(page);
    }
}

void TppComponentPass::FinishBandPass() {
    for (TppComponent* component : band_.Objects())
        component->FinishBandPass();
}

bool TppComponentPass::stopped() const {
    TppReportModel* report = band_.Report();
    return report && report->MainReport()->GenerationStopped();
}

void TppComponentPass::processMessages() const {
    if (TppReportModel* report = band_.Report())
        report->MainReport()->ProcessMessages();
}
