#include "TraExpressionNode.h"

#include "TraConversions.h"

bool isTrueCondition(const TraValue& value) {
    return (value.type() == daBoolean && value.boolean()) ||
           (value.type() == daVariant && value.variantKind() == TraVariantKind::Boolean && value.boolean());
}

qint32 TraExpressionNode::evalInteger() {
    TraValue value;
    evaluate(value);
    return value.integer();
}

long double TraExpressionNode::evalNumber() {
    TraValue value;
    evaluate(value);
    return readNumber(value).value_or(0);
}

bool TraExpressionNode::evalCondition() {
    TraValue value;
    evaluate(value);
    return isTrueCondition(value);
}
