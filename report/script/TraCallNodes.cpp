#include "TraCallNodes.h"

#include "TraConversions.h"
#include "TraProgram.h"

#include <array>
#include <vector>

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
      callee_(callee), arguments_(std::move(arguments)), environment_(environment) {
    for (size_t i = 0; i < arguments_.size(); ++i) {
        const TraDataType parameter = callee_->parameter(int(i))->value.type();
        const TraExpressionNode& argument = *arguments_[i];
        Passing passing = Passing::Value;
        if (parameter == daInteger && argument.alwaysInteger())
            passing = Passing::Integer;
        else if (argument.alwaysNumber() &&
                 (parameter == daSingle || parameter == daDouble || parameter == daExtended ||
                  parameter == daInteger) &&
                 (argument.valueType() == daInteger || argument.valueType() == daSingle ||
                  argument.valueType() == daDouble || argument.valueType() == daExtended))
            passing = Passing::Number;
        passing_.push_back(passing);
        allNumbers_ = allNumbers_ && passing != Passing::Value;
        anyVar_ = anyVar_ || callee_->isVarParameter(int(i));
    }
}

// Every argument is evaluated before any is passed: an argument that calls
// the same routine must not overwrite a parameter already passed. The result
// is read before the activation ends, since a nested run restores its
// caller's storage, Result included, when it leaves.
template <typename ReadResult> auto TraScriptCallNode::call(ReadResult readResult) {
    constexpr size_t kInline = 4;
    const size_t count = arguments_.size();
    if (allNumbers_ && count <= kInline) {
        union Number {
            qint32 integer;
            long double real;
        } numbers[kInline];
        for (size_t i = 0; i < count; ++i) {
            if (passing_[i] == Passing::Integer)
                numbers[i].integer = arguments_[i]->evalInteger();
            else
                numbers[i].real = arguments_[i]->evalNumber();
        }
        TraProgram::Activation activation(*callee_);
        for (size_t i = 0; i < count; ++i) {
            if (passing_[i] == Passing::Integer)
                callee_->parameter(int(i))->value.setInteger(numbers[i].integer);
            else
                storeNumber(callee_->parameter(int(i))->value, numbers[i].real);
        }
        callee_->runBody();
        if (anyVar_)
            for (size_t i = 0; i < count; ++i)
                if (callee_->isVarParameter(int(i)))
                    copyBack(*arguments_[i], callee_->parameter(int(i))->value, environment_);
        return readResult(*callee_);
    }
    std::vector<TraValue> values(count);
    for (size_t i = 0; i < count; ++i)
        arguments_[i]->evaluate(values[i]);
    TraProgram::Activation activation(*callee_);
    for (size_t i = 0; i < count; ++i)
        assignConverted(callee_->parameter(int(i))->value, values[i], environment_);
    callee_->runBody();
    for (size_t i = 0; i < count; ++i)
        if (callee_->isVarParameter(int(i)))
            copyBack(*arguments_[i], callee_->parameter(int(i))->value, environment_);
    return readResult(*callee_);
}

void TraScriptCallNode::evaluate(TraValue& out) {
    call([&out](const TraProgram& callee) {
        if (callee.result())
            out = callee.result()->value;
        else
            out.clear();
    });
}

qint32 TraScriptCallNode::evalInteger() {
    return call([](const TraProgram& callee) { return callee.result()->value.integer(); });
}

long double TraScriptCallNode::evalNumber() {
    return call([](const TraProgram& callee) { return readNumber(callee.result()->value).value_or(0); });
}

TraBuiltinCallNode::TraBuiltinCallNode(std::shared_ptr<const TraSystemFunction> function,
                                       std::vector<TraExpressionPtr> arguments,
                                       const TraEnvironment& environment)
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
