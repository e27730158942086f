#pragma once

#include "TraExpressionNode.h"
#include "TraVariable.h"

// A value fixed when compiling: a literal, a constant, a folded expression.
class TraLiteralNode final : public TraExpressionNode {
public:
    explicit TraLiteralNode(const TraValue& value);
    // A constant keeps the type its declaration gave it for type checks.
    TraLiteralNode(const TraValue& value, TraDataType dataType);
    const TraValue& value() const { return value_; }

    void evaluate(TraValue& out) override { out = value_; }
    qint32 evalInteger() override { return value_.integer(); }
    long double evalNumber() override { return number_; }
    bool evalCondition() override { return condition_; }

private:
    TraValue value_;
    long double number_ = 0;
    bool condition_ = false;
};

// A variable, parameter or "Result", read where it is stored.
class TraVariableNode final : public TraExpressionNode {
public:
    explicit TraVariableNode(TraVariable* variable);

    void evaluate(TraValue& out) override { out = variable_->value; }
    qint32 evalInteger() override { return variable_->value.integer(); }
    long double evalNumber() override;
    bool evalCondition() override;
    TraVariable* variable() override { return variable_; }
    const ClassInfo* staticClass() const override { return variable_->value.classRef(); }

private:
    TraVariable* variable_;
};

// "Integer(x)", a built-in type name used as a cast: x's value when it is of
// that type already, else no value. Casts never convert; assignment does.
class TraTypeCastNode final : public TraExpressionNode {
public:
    TraTypeCastNode(TraDataType castType, TraExpressionPtr operand);
    void evaluate(TraValue& out) override;

private:
    TraDataType castType_;
    TraExpressionPtr operand_;
};
