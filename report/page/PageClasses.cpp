#include "PageClasses.h"

#include "ClassRegistry.h"
#include "TppDrawBarCode.h"
#include "TppDrawCalc.h"
#include "TppDrawImage.h"
#include "TppDrawLine.h"
#include "TppDrawRichText.h"
#include "TppDrawShape.h"
#include "TppDrawVar.h"
#include "TppDrawVariable.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppPage.h"

void registerPageClasses() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppPage::staticClassInfo(),
             &TppDrawText::staticClassInfo(),
             &TppDrawVar::staticClassInfo(),
             &TppDrawCalc::staticClassInfo(),
             &TppDrawShape::staticClassInfo(),
             &TppDrawLine::staticClassInfo(),
             &TppDrawImage::staticClassInfo(),
             &TppDrawBarCode::staticClassInfo(),
             &TppDrawRichText::staticClassInfo(),
             &TppDrawVariable::staticClassInfo(),
             &TppOutlineDrawCommand::staticClassInfo(),
             &TppTreeNode::staticClassInfo(),
             &TppOutlineNode::staticClassInfo(),
         })
        registry.registerClass(*info);
}
