#include "TppDrawCommand.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PageDrawTarget.h"
#include "TppBand.h"
#include "TppPage.h"

const ClassInfo& TppDrawCommand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawCommand>("TppDrawCommand", &TppRelative::staticClassInfo(), [](auto& c) {
            using D = TppDrawCommand;
            c.property("Clickable", &D::Clickable, &D::SetClickable).withDefault(false);
            c.property("DataType", &D::DataType, &D::SetDataType)
                .names(enumerationNames("TppDataType"))
                .withDefault(dtString);
            c.property("Height", &D::Height, &D::SetHeight).withDefault(0);
            c.property("Left", &D::Left, &D::SetLeft).withDefault(0);
            c.property("Tag", &D::Tag, &D::SetTag).withDefault(0);
            c.property("Top", &D::Top, &D::SetTop).withDefault(0);
            c.property("Width", &D::Width, &D::SetWidth).withDefault(0);
        });
    return info;
}

TppDrawCommand::TppDrawCommand(OwnedComponent* owner) : TppRelative(owner) {}

TppDrawCommand::~TppDrawCommand() {
    markDestroying();
    SetPage(nullptr);
}

void TppDrawCommand::SetBox(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TppDrawCommand::SetClickable(bool value) {
    clickable_ = value;
}

void TppDrawCommand::SetPage(TppPage* page) {
    if (page_)
        page_->RemoveDrawCommand(this);
    if (page)
        page->AddDrawCommand(this);
}

void TppDrawCommand::SetSourceBand(TppBand* band) {
    sourceBand_.reset(band);
}

void TppDrawCommand::Draw(PageDrawTarget& target) {
    target.DrawCommand(*this);
}

namespace {
// Published values compared one by one, nested objects (a font, a pen) by
// their own values.
bool samePublishedValues(const ClassInfo& info, const Persistent& a, const Persistent& b) {
    for (const PropertyInfo* property : info.properties()) {
        // Names tell copies apart; they are no part of what is drawn.
        if (property->name == QLatin1String("Name"))
            continue;
        switch (property->kind) {
        case PropertyKind::Object: {
            auto* nestedA = property->object(const_cast<Persistent&>(a));
            auto* nestedB = property->object(const_cast<Persistent&>(b));
            if (nestedA && nestedB && !samePublishedValues(nestedA->classInfo(), *nestedA, *nestedB))
                return false;
            break;
        }
        case PropertyKind::Reference:
            if (property->getReference(a) != property->getReference(b))
                return false;
            break;
        case PropertyKind::Collection:
            break;
        default:
            if (property->get && property->get(a) != property->get(b))
                return false;
        }
    }
    for (const DefinedProperty* property : info.definedProperties())
        if (property->value && property->value(a) != property->value(b))
            return false;
    return true;
}
} // namespace

bool TppDrawCommand::IsSameAs(const TppDrawCommand& other) const {
    if (&classInfo() != &other.classInfo())
        return false;
    return samePublishedValues(classInfo(), *this, other);
}

void TppDrawCommand::Assign(const TppDrawCommand& source) {
    SetSourceBand(source.SourceBand());
    clickable_ = source.clickable_;
    dataType_ = source.dataType_;
    DeviceLeft = source.DeviceLeft;
    DeviceTop = source.DeviceTop;
    DeviceRight = source.DeviceRight;
    DeviceBottom = source.DeviceBottom;
    DrillDownKey = source.DrillDownKey;
    SetBox(source.left_, source.top_, source.width_, source.height_);
    ClickHandler = source.ClickHandler;
    tag_ = source.tag_;
}
