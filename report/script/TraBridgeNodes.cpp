#include "TraBridgeNodes.h"

#include "ClassInfo.h"
#include "TppCommunicator.h"
#include "TraConversions.h"
#include "TraRunError.h"
#include "TraScriptObjects.h"

void raiseNoObject(const QByteArray& member) {
    throw TraRunError(QStringLiteral("Cannot use %1: the object is nil").arg(QString::fromLatin1(member)));
}

namespace {

// A variable may still hold an object its script freed; it is kept, so this
// is a clear error rather than a use of freed memory.
void refuseFreed(const Persistent* object, const TraPropRec& rec, const TraEnvironment& environment) {
    if (environment.objects && environment.objects->isFreed(object))
        throw TraRunError(
            QStringLiteral("Cannot use %1: the object was freed").arg(QString::fromLatin1(rec.name)));
}

void refuseFileAccess(const TraPropRec& rec, const TraEnvironment& environment) {
    if (rec.readsFiles && !environment.allowFileAccess)
        throw TraRunError(QStringLiteral("%1 reads or writes files, which scripts of this report may not do")
                              .arg(QString::fromLatin1(rec.name)));
}

} // namespace

// ---- report objects and classes --------------------------------------------

TraReportObjectNode::TraReportObjectNode(const TraObjectFinder& finder, const QByteArray& name,
                                         TppCommunicator* found)
    : TraExpressionNode(daClass, daClass, NeverNone), finder_(finder), name_(name),
      userName_(QString::fromLatin1(name)), class_(&found->classInfo()) {
    found_.reset(found);
}

TppCommunicator* TraReportObjectNode::resolve() {
    TppCommunicator* object = found_.get();
    if (object && object->UserName().compare(userName_, Qt::CaseInsensitive) == 0)
        return object;
    object = finder_.findReportObject(name_);
    found_.reset(object);
    return object;
}

void TraReportObjectNode::evaluate(TraValue& out) {
    TppCommunicator* object = resolve();
    out.setObject(daClass, object);
    out.setClassRef(object ? &object->classInfo() : class_);
}

TraClassReferenceNode::TraClassReferenceNode(const ClassInfo* cls)
    : TraExpressionNode(daClass, daClass, NeverNone), class_(cls) {}

void TraClassReferenceNode::evaluate(TraValue& out) {
    out.setObject(daClass, nullptr);
    out.setClassRef(class_);
}

TraIsNode::TraIsNode(TraExpressionPtr object, TraExpressionPtr cls)
    : TraExpressionNode(daBoolean, daBoolean, 0), object_(std::move(object)), class_(std::move(cls)) {}

void TraIsNode::evaluate(TraValue& out) {
    TraValue cls;
    class_->evaluate(cls);
    TraValue object;
    object_->evaluate(object);
    if (cls.type() != daClass || (object.type() != daObject && object.type() != daClass)) {
        out.clear();
        return;
    }
    out.setBoolean(TraClassManager::isInstance(object.object(), cls.classRef()));
}

bool TraIsNode::evalCondition() {
    TraValue value;
    evaluate(value);
    return value.type() == daBoolean && value.boolean();
}

TraAsNode::TraAsNode(TraExpressionPtr object, TraExpressionPtr cls, const ClassInfo* staticClass)
    : TraExpressionNode(daClass, daClass, NeverNone), object_(std::move(object)), class_(std::move(cls)),
      static_(staticClass) {}

void TraAsNode::evaluate(TraValue& out) {
    TraValue cls;
    class_->evaluate(cls);
    TraValue object;
    object_->evaluate(object);
    Persistent* found = object.type() == daObject || object.type() == daClass ? object.object() : nullptr;
    const ClassInfo* target = cls.type() == daClass ? cls.classRef() : nullptr;
    out.setObject(daClass, TraClassManager::isInstance(found, target) ? found : nullptr);
    out.setClassRef(target ? target : static_);
}

// ---- members ---------------------------------------------------------------

namespace {

quint8 memberTraits(const TraPropRec& rec) {
    TraDataType type = rec.dataType;
    if (type == daMethod)
        type = hasResult(rec.params) ? rec.params.back().dataType : daUnknown;
    quint8 traits = 0;
    if (type == daInteger)
        traits |= TraExpressionNode::AlwaysInteger;
    if (isRealLike(type))
        traits |= TraExpressionNode::AlwaysNumber;
    return traits;
}

TraDataType memberType(const TraPropRec& rec) {
    if (rec.dataType != daMethod)
        return rec.dataType;
    return hasResult(rec.params) ? rec.params.back().dataType : daUnknown;
}

TraValue initialOf(const TraParam& param) {
    TraValue value = TraValue::initial(param.dataType, 0, param.enumType);
    if (param.dataType == daClass)
        value.setClassRef(param.classType);
    return value;
}

} // namespace

TraMemberNode::TraMemberNode(TraExpressionPtr object, const ClassInfo& compiledClass, TraPropRec rec,
                             std::vector<TraExpressionPtr> arguments, const TraEnvironment& environment)
    : TraExpressionNode(memberType(rec), memberType(rec), memberTraits(rec)), object_(std::move(object)),
      compiledClass_(compiledClass), rec_(std::move(rec)), arguments_(std::move(arguments)),
      environment_(environment) {}

Persistent* TraMemberNode::object(TraValue& holder) {
    object_->evaluate(holder);
    return holder.type() == daObject || holder.type() == daClass ? holder.object() : nullptr;
}

Persistent* TraMemberNode::target(TraValue& holder) {
    Persistent* found = object(holder);
    if (!found && !rec_.isConstructor)
        raiseNoObject(rec_.name);
    refuseFreed(found, rec_, environment_);
    refuseFileAccess(rec_, environment_);
    return found;
}

void TraMemberNode::evaluateArguments(TraCallFrame& frame, size_t formals) {
    frame.environment = &environment_;
    frame.args.reserve(formals);
    for (size_t i = 0; i < formals; ++i) {
        TraValue argument;
        arguments_[i]->evaluate(argument);
        TraValue formal = initialOf(rec_.params[i]);
        if (formal.type() == daClass || formal.type() == daObject)
            formal.setObject(formal.type(), argument.object());
        else
            assignConverted(formal, argument, environment_);
        frame.args.push_back(std::move(formal));
    }
}

void TraMemberNode::evaluate(TraValue& out) {
    TraValue holder;
    Persistent* target = this->target(holder);
    if (rec_.dataType != daMethod) {
        if (!TraClassManager::getPropValue(*target, rec_.name, out, environment_.objects))
            out.clear();
        if (out.type() == daClass && rec_.classType && out.object())
            out.setClassRef(&out.object()->classInfo());
        return;
    }
    // A member that is entered again while it runs (a method that fires an
    // event whose handler calls it) yields nothing rather than recursing.
    if (running_) {
        out.clear();
        return;
    }
    TraCallFrame frame;
    if (rec_.isConstructor)
        frame.createClass = &compiledClass_;
    const bool function = hasResult(rec_.params);
    const size_t formals = rec_.params.size() - (function ? 1 : 0);
    evaluateArguments(frame, formals);
    if (function)
        frame.result = initialOf(rec_.params.back());
    running_ = true;
    bool handled = false;
    try {
        handled = TraClassManager::callMethod(target ? target->classInfo() : compiledClass_, target,
                                              rec_.name, frame);
    } catch (...) {
        running_ = false;
        throw;
    }
    running_ = false;
    for (size_t i = 0; i < formals; ++i)
        if (rec_.params[i].isVar)
            if (TraVariable* variable = arguments_[i]->variable())
                assignConverted(variable->value, frame.args[i], environment_);
    if (!handled || !function) {
        out.clear();
        return;
    }
    out = std::move(frame.result);
    if (out.type() == daClass && out.object())
        out.setClassRef(&out.object()->classInfo());
}

void TraMemberNode::store(const TraValue& value) {
    TraValue holder;
    Persistent* target = this->target(holder);
    TraCallFrame frame;
    evaluateArguments(frame, rec_.params.size() - 1);
    frame.result = initialOf(rec_.params.back());
    if (frame.result.type() == daClass || frame.result.type() == daObject)
        frame.result.setObject(frame.result.type(), value.object());
    else if (!assignConverted(frame.result, value, environment_))
        return;
    TraClassManager::storeIndexed(*target, rec_.name, frame);
}

TraIndexedAssignment::TraIndexedAssignment(std::unique_ptr<TraMemberNode> member, TraExpressionPtr value)
    : member_(std::move(member)), value_(std::move(value)) {}

void TraIndexedAssignment::execute() {
    TraValue value;
    value_->evaluate(value);
    member_->store(value);
}

TraMemberAssignment::TraMemberAssignment(TraExpressionPtr object, TraPropRec rec, TraExpressionPtr value,
                                         const TraEnvironment& environment)
    : object_(std::move(object)), rec_(std::move(rec)), value_(std::move(value)), environment_(environment) {}

void TraMemberAssignment::execute() {
    TraValue value;
    value_->evaluate(value);
    TraValue holder;
    object_->evaluate(holder);
    Persistent* target = holder.type() == daObject || holder.type() == daClass ? holder.object() : nullptr;
    if (!target)
        raiseNoObject(rec_.name);
    refuseFreed(target, rec_, environment_);
    refuseFileAccess(rec_, environment_);
    TraClassManager::setPropValue(*target, rec_.name, value, environment_);
}
