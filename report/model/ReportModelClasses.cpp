#include "ReportModelClasses.h"

#include "ClassRegistry.h"
#include "TppColumnFooterBand.h"
#include "TppColumnHeaderBand.h"
#include "TppComponent.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppPageBand.h"
#include "TppPageStyle.h"
#include "TppReportBand.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

void registerReportModelClasses() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppPageBand::staticClassInfo(),
             &TppReportBand::staticClassInfo(),
             &TppTitleBand::staticClassInfo(),
             &TppHeaderBand::staticClassInfo(),
             &TppColumnHeaderBand::staticClassInfo(),
             &TppGroupHeaderBand::staticClassInfo(),
             &TppDetailBand::staticClassInfo(),
             &TppGroupFooterBand::staticClassInfo(),
             &TppColumnFooterBand::staticClassInfo(),
             &TppFooterBand::staticClassInfo(),
             &TppSummaryBand::staticClassInfo(),
             &TppPageStyle::staticClassInfo(),
             &TppGroup::staticClassInfo(),
             &TppComponent::staticClassInfo(),
         })
        registry.registerClass(*info);
}
