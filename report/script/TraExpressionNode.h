#pragma once

#include "TraDataType.h"
#include "TraValue.h"

#include <memory>

class ClassInfo;
struct TraVariable;

// A compiled expression. Every node can evaluate into a value; nodes whose
// result is known to be an Integer, or a number, also answer that directly, so
// arithmetic on declared numeric variables never builds a value at all.
class TraExpressionNode {
public:
    enum Trait : quint8 {
        AlwaysInteger = 1, // evaluate() always gives an Integer value
        AlwaysNumber = 2,  // evaluate() always gives a value that reads as a number
        NeverNone = 4,     // evaluate() always gives a value
        Constant = 8,      // the same value every time: may be folded
    };

    TraExpressionNode(TraDataType dataType, TraDataType valueType, quint8 traits)
        : dataType_(dataType), valueType_(valueType), traits_(traits) {}
    virtual ~TraExpressionNode() = default;
    TraExpressionNode(const TraExpressionNode&) = delete;
    TraExpressionNode& operator=(const TraExpressionNode&) = delete;

    // The type the compiler checks against other types.
    TraDataType dataType() const { return dataType_; }
    // The type of the value evaluate() gives, when fixed; an arithmetic result
    // that is either an Integer or an Extended answers daExtended.
    TraDataType valueType() const { return valueType_; }
    bool alwaysInteger() const { return traits_ & AlwaysInteger; }
    bool alwaysNumber() const { return traits_ & AlwaysNumber; }
    bool neverNone() const { return traits_ & NeverNone; }
    bool isConstant() const { return traits_ & Constant; }

    virtual void evaluate(TraValue& out) = 0;
    // Only for nodes that are alwaysInteger().
    virtual qint32 evalInteger();
    // Only for nodes that are alwaysNumber().
    virtual long double evalNumber();
    // True only for a Boolean True or a Variant holding True.
    virtual bool evalCondition();
    // The variable this node names, for assignment and "var" arguments.
    virtual TraVariable* variable() { return nullptr; }
    // For object values: the class the compiler knows, whose members a "."
    // may name; none when it is not known.
    virtual const ClassInfo* staticClass() const { return nullptr; }

protected:
    void setDataType(TraDataType type) { dataType_ = type; }

private:
    TraDataType dataType_;
    TraDataType valueType_;
    quint8 traits_;
};

using TraExpressionPtr = std::unique_ptr<TraExpressionNode>;

bool isTrueCondition(const TraValue& value);
