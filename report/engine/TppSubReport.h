#pragma once

#include "TppOutlineSettings.h"
#include "TppPublisher.h"
#include "TppStretchable.h"
#include "WeakReference.h"

#include <QSize>
#include <QStringList>

#include <map>

class TppBandEngine;
class TppChildReport;
class TppDevice;
class TppDrawCommand;
class TppEngine;
class TppPrinterDevice;

// A whole banded report (its TppChildReport) printed inside a band: as a
// child that grows with its content and continues across pages (pbChild),
// as a fixed box that shows what fits (pbFixed), or as pages of its own
// between the parent's (pbSection). The child report's engine makes one
// child page per band pass; its commands are moved onto the parent's page.
class TppSubReport : public TppStretchable {
public:
    PW_CLASS_INFO

    explicit TppSubReport(OwnedComponent* owner = nullptr);
    ~TppSubReport() override;

    // The child report, created when there is none.
    TppChildReport* ChildReport();
    TppChildReport* ChildReportIfAny() const { return child_; }
    void CreateReport();
    // Adopts a child report read from a template; the one held before is freed.
    void SetChildReport(TppChildReport* report);

    TppPrintBehaviorType PrintBehavior() const { return printBehavior_; }
    void SetPrintBehavior(TppPrintBehaviorType behavior);
    bool ParentPrinterSetup() const { return parentPrinterSetup_; }
    void SetParentPrinterSetup(bool value);
    bool ResetPageNo() const { return resetPageNo_; }
    void SetResetPageNo(bool value);
    bool NewPrintJob() const { return newPrintJob_; }
    void SetNewPrintJob(bool value);
    bool TraverseAllData() const { return traverseAllData_; }
    void SetTraverseAllData(bool value);
    bool ExpandAll() const { return expandAll_; }
    void SetExpandAll(bool value);
    TppOutlineSettings& OutlineSettings() { return outlineSettings_; }
    // A component of the same band whose click expands or collapses this
    // subreport's current instance; only a pbChild subreport has one.
    TppComponent* DrillDownComponent() const { return drillDown_; }
    void SetDrillDownComponent(TppComponent* component);
    // Whether the current instance prints: always without a drill-down component.
    bool DrillDownExpanded() const;
    void SetDataPipeline(TppDataPipeline* pipeline) override;

    // Child-report instances completed in this run.
    int Count = 0;
    // The key of the report that holds this subreport: for each enclosing
    // subreport, innermost first, its Count as "%8d" and "|"; empty in the
    // main report.
    QString CurrentReportKey() const;
    QString CurrentExpansionKey() const;
    QStringList Expansions;
    // Set by a click: the regeneration that follows keeps Expansions.
    bool KeepExpansions = false;
    int ExpansionCount() const { return int(Expansions.size()); }

    // Instance state, kept per page in the page state cache.
    bool InstanceStarted = false;
    bool InstanceComplete = false;
    int ChildPageNo = 1;
    int ChildPageCount = 0;
    bool ChildDataDone = false;
    int ChildLastPage = 0;
    bool GeneratedInPass = false;
    // A section has asked for its page break, and its last page holds commands.
    bool SectionBreakDone = false;
    bool SectionPageFilled = false;

    // The parent's pages a section printed on, by instance (its Count): the
    // first, and the last once the instance has ended (0 until then).
    struct SectionPages {
        int first = 0;
        int last = 0;
    };
    const std::map<int, SectionPages>& SectionPagesByInstance() const { return sectionPages_; }
    // The parent's page where the current instance's section began; 0 before its first page.
    int SectionFirstPage() const;

    void InitForReport() override;
    void ResetForBand() override;
    void MeasureContent() override;
    void FinishBandPass() override;
    void DrawOnPage(TppPage& page) override;
    void Loaded() override;
    void Notify(TppCommunicator* sender, int operation) override;
    // The drill-down component's commands: each carries the key of the
    // instance it belongs to, and a click expands or collapses that instance.
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;

protected:
    void CacheFields(CacheRecord& record) override;

private:
    bool skipCollapsed();
    void measureChild();
    void measureFixed();
    // One page of the child report, number ChildPageNo, on paper of the
    // given size without margins.
    void generateChildPage(int width, int height);
    // Generates the child's page ChildPageNo; false when the child stopped
    // (the child engine is reset then).
    bool generateChildPageNo(TppEngine& engine);
    void resetChildEngine();
    void replayInstance();
    void measureSection();
    // The first section page of an instance breaks the parent's page unless
    // that page is still empty and the band holds nothing else.
    bool sectionWaitsForNextPage(TppEngine& parent) const;
    void generateSectionPage(TppEngine& parent);
    void placeSectionPage(TppEngine& parent, TppPage& childPage);
    void startSectionPrintJob();
    void endSectionPrintJob();
    void sectionPageSent(TppEngine& parent);
    TppEngine* parentEngine() const;
    TppBandEngine* bandEngine() const;
    void routeDrillDownEvents(bool on);
    void toggleExpansion(TppDrawCommand& command);
    TppEngine* childEngine();

    TppChildReport* child_ = nullptr;
    TppPrintBehaviorType printBehavior_ = pbChild;
    bool parentPrinterSetup_ = true;
    bool resetPageNo_ = true;
    bool newPrintJob_ = false;
    bool traverseAllData_ = false;
    bool expandAll_ = false;
    TppOutlineSettings outlineSettings_;
    TppComponent* drillDown_ = nullptr;
    // The instance whose pages the child engine holds (its Count; -1 for
    // none), and the paper each child page of each instance had.
    int heldInstance_ = -1;
    std::map<int, QList<QSize>> childPageSizes_;
    // Learnt when each section instance ends: its number of pages, which a
    // page of it made again (asked for alone, or in the second pass) shows.
    std::map<int, int> sectionPageCounts_;
    std::map<int, SectionPages> sectionPages_;
    // A NewPrintJob section's own job while its pages print.
    std::unique_ptr<TppPrinterDevice> sectionPrinter_;
    WeakReference<TppDevice> displacedPrinter_;
    // The child's pages go nowhere but to this subreport.
    TppPublisher childPublisher_;
};
