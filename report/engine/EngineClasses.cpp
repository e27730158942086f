#include "EngineClasses.h"

#include "ClassRegistry.h"
#include "DataPipelineClasses.h"
#include "OutputClasses.h"
#include "TextControlClasses.h"
#include "TppAutoSearchField.h"
#include "TppBandedReport.h"
#include "TppChildReport.h"
#include "TppCustomComponent.h"
#include "TppCustomGraphic.h"
#include "TppCustomImage.h"
#include "TppDBImage.h"
#include "TppImage.h"
#include "TppLine.h"
#include "TppPicture.h"
#include "TppRegion.h"
#include "TppReport.h"
#include "TppShape.h"
#include "TppStretchable.h"
#include "TppSubReport.h"

void registerEngineClasses() {
    registerDataPipelineClasses();
    registerOutputClasses();
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppCustomComponent::staticClassInfo(),
             &TppStretchable::staticClassInfo(),
             &TppCustomGraphic::staticClassInfo(),
             &TppShape::staticClassInfo(),
             &TppLine::staticClassInfo(),
             &TppCustomImage::staticClassInfo(),
             &TppImage::staticClassInfo(),
             &TppDBImage::staticClassInfo(),
             &TppPicture::staticClassInfo(),
             &TppRegion::staticClassInfo(),
             &TppBandedReport::staticClassInfo(),
             &TppReport::staticClassInfo(),
             &TppAutoSearchField::staticClassInfo(),
             &TppSubReport::staticClassInfo(),
             &TppChildReport::staticClassInfo(),
         })
        registry.registerClass(*info);
    registerTextControlClasses();
}
