#include "TraCallNodes.h"

#include "TraConversions.h"
#include "TraProgram.h"

#include <array>

namespace {

quint8 traitsOfResult(TraDataType type) {
    quint8 traits = TraExpressionNode::NeverNone;
    if (type == daInteger)
        traits |= TraExpressionNode::AlwaysInteger;
    if (isRealLike(type))
        traits |= TraExpressionNode::AlwaysNumber;
    return traits;
}

TraDataType resultTypeOf(const TraProgram& program) {
    return program.result() ? program.result()->value.type() : daUnknown;
}

void copyBack(TraExpressionNode& argument, const TraValue& parameter, const TraEnvironment& environment) {
    TraVariable* variable = argument.variable();
    if (variable && !variable->readOnly)
        assignConverted(variable->value, parameter, environment);
}

} // namespace

TraScriptCallNode::TraScriptCallNode(TraProgram* callee, std::vector<TraExpressionPtr> arguments,
                                     const TraEnvironment& environment)
    : TraExpressionNode(resultTypeOf(*callee), resultTypeOf(*callee),
                        callee->result() ? traitsOfResult(resultTypeOf(*callee)) : quint8(0)),
      callee_(callee), arguments_(std::move(arguments)), environment_(environment) {}

void TraScriptCallNode::evaluate(TraValue& out) {
    // The result is copied before the activation ends: a nested run restores
    // its caller's storage, Result included, when it leaves.
    const size_t count = arguments_.size();
    std::array<TraValue, 4> inline_;
    std::vector<TraValue> spill(count > inline_.size() ? count : 0);
    TraValue* values = count > inline_.size() ? spill.data() : inline_.data();
    for (size_t i = 0; i < count; ++i)
        arguments_[i]->evaluate(values[i]);

    TraProgram::Activation activation(*callee_);
    for (size_t i = 0; i < count; ++i)
        assignConverted(callee_->parameter(int(i))->value, values[i], environment_);
    callee_->runBody();
    for (size_t i = 0; i < count; ++i)
        if (callee_->isVarParameter(int(i)))
            copyBack(*arguments_[i], callee_->parameter(int(i))->value, environment_);
    if (callee_->result())
        out = callee_->result()->value;
    else
        out.clear();
}

qint32 TraScriptCallNode::evalInteger() {
    TraValue value;
    evaluate(value);
    return value.integer();
}

long double TraScriptCallNode::evalNumber() {
    TraValue value;
    evaluate(value);
    return readNumber(value).value_or(0);
}

TraBuiltinCallNode::TraBuiltinCallNode(std::shared_ptr<const TraSystemFunction> function,
                                       std::vector<TraExpressionPtr> arguments, const TraEnvironment& environment)
    : TraExpressionNode(function->resultType, function->resultType,
                        function->isFunction ? traitsOfResult(function->resultType) : quint8(0)),
      function_(std::move(function)), arguments_(std::move(arguments)), environment_(environment) {}

void TraBuiltinCallNode::evaluate(TraValue& out) {
    const std::vector<TraFormalParameter>& formals = function_->parameters;
    std::array<TraValue, kMaxParameters> params;
    for (size_t i = 0; i < formals.size() && i < params.size(); ++i) {
        params[i] = TraValue::initial(formals[i].type, 0, formals[i].enumType);
        if (i < arguments_.size()) {
            TraValue argument;
            arguments_[i]->evaluate(argument);
            assignConverted(params[i], argument, environment_);
        }
    }
    out = TraValue::initial(function_->resultType, 0, function_->resultEnumType);
    TraBuiltinCall call{params.data(), out, environment_};
    function_->body(call);
    for (size_t i = 0; i < formals.size() && i < arguments_.size(); ++i)
        if (formals[i].isVar)
            copyBack(*arguments_[i], params[i], environment_);
    if (!function_->isFunction)
        out.clear();
}
