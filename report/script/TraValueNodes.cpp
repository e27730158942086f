#include "TraValueNodes.h"

#include "TraConversions.h"

namespace {

quint8 traitsOfValue(const TraValue& value) {
    quint8 traits = TraExpressionNode::NeverNone | TraExpressionNode::Constant;
    if (value.type() == daInteger)
        traits |= TraExpressionNode::AlwaysInteger;
    if (isRealLike(value.type()))
        traits |= TraExpressionNode::AlwaysNumber;
    return traits;
}

quint8 traitsOfType(TraDataType type) {
    quint8 traits = TraExpressionNode::NeverNone;
    if (type == daInteger)
        traits |= TraExpressionNode::AlwaysInteger;
    if (isRealLike(type))
        traits |= TraExpressionNode::AlwaysNumber;
    return traits;
}

} // namespace

TraLiteralNode::TraLiteralNode(const TraValue& value) : TraLiteralNode(value, value.type()) {}

TraLiteralNode::TraLiteralNode(const TraValue& value, TraDataType dataType)
    : TraExpressionNode(dataType, value.type(), traitsOfValue(value)), value_(value),
      number_(readNumber(value).value_or(0)), condition_(isTrueCondition(value)) {}

TraVariableNode::TraVariableNode(TraVariable* variable)
    : TraExpressionNode(variable->value.type(), variable->value.type(), traitsOfType(variable->value.type())),
      variable_(variable) {}

long double TraVariableNode::evalNumber() {
    const TraValue& value = variable_->value;
    switch (value.type()) {
    case daInteger:
        return value.integer();
    case daDouble:
    case daDateTime:
    case daDate:
    case daTime:
        return value.real();
    case daExtended:
        return value.extended();
    case daSingle:
        return value.single();
    default:
        return readNumber(value).value_or(0);
    }
}

bool TraVariableNode::evalCondition() {
    return isTrueCondition(variable_->value);
}

TraTypeCastNode::TraTypeCastNode(TraDataType castType, TraExpressionPtr operand)
    : TraExpressionNode(operand->dataType(), castType, 0), castType_(castType), operand_(std::move(operand)) {
}

void TraTypeCastNode::evaluate(TraValue& out) {
    operand_->evaluate(out);
    if (out.type() != castType_)
        out.clear();
}
