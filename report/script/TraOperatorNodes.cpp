#include "TraOperatorNodes.h"

#include "TraConversions.h"
#include "TraOperators.h"
#include "TraRunError.h"
#include "TraValueNodes.h"

#include <type_traits>

#include <cmath>

namespace {

using Node = TraExpressionNode;

constexpr quint8 kNumberTraits = Node::AlwaysNumber | Node::NeverNone;
constexpr quint8 kIntegerTraits = Node::AlwaysInteger | Node::AlwaysNumber | Node::NeverNone;

// Operands of the number nodes. A variable or a constant is read in place;
// only a sub-expression costs a call.
class IntegerOperand {
public:
    explicit IntegerOperand(TraExpressionPtr node) : owned_(std::move(node)) {
        if (const auto* literal = dynamic_cast<const TraLiteralNode*>(owned_.get()))
            constant_ = literal->value().integer();
        else if (const TraVariable* variable = owned_->variable();
                 variable && variable->value.type() == daInteger)
            variable_ = variable->value.integerAddress();
        else
            node_ = owned_.get();
    }
    qint32 get() const {
        if (variable_)
            return *variable_;
        if (node_)
            return node_->evalInteger();
        return constant_;
    }

private:
    TraExpressionPtr owned_;
    const qint32* variable_ = nullptr;
    TraExpressionNode* node_ = nullptr;
    qint32 constant_ = 0;
};

class NumberOperand {
public:
    explicit NumberOperand(TraExpressionPtr node) : owned_(std::move(node)) {
        if (const auto* literal = dynamic_cast<const TraLiteralNode*>(owned_.get())) {
            constant_ = *readNumber(literal->value());
            return;
        }
        const TraVariable* variable = owned_->variable();
        switch (variable ? variable->value.type() : daUnknown) {
        case daInteger:
            kind_ = Kind::Integer;
            integer_ = variable->value.integerAddress();
            break;
        case daDouble:
        case daDateTime:
        case daDate:
        case daTime:
            kind_ = Kind::Real;
            real_ = variable->value.realAddress();
            break;
        case daExtended:
            kind_ = Kind::Extended;
            extended_ = variable->value.extendedAddress();
            break;
        case daSingle:
            kind_ = Kind::Single;
            single_ = variable->value.singleAddress();
            break;
        default:
            kind_ = Kind::Node;
            break;
        }
    }
    long double get() const {
        switch (kind_) {
        case Kind::Integer:
            return *integer_;
        case Kind::Real:
            return *real_;
        case Kind::Extended:
            return *extended_;
        case Kind::Single:
            return *single_;
        case Kind::Node:
            return owned_->evalNumber();
        case Kind::Constant:
            break;
        }
        return constant_;
    }

private:
    enum class Kind : quint8 { Constant, Integer, Real, Extended, Single, Node };
    TraExpressionPtr owned_;
    Kind kind_ = Kind::Constant;
    union {
        const qint32* integer_;
        const double* real_;
        const long double* extended_;
        const float* single_;
    };
    long double constant_ = 0;
};

template <TraTokenType Op> class IntegerArithmeticNode final : public Node {
public:
    IntegerArithmeticNode(TraDataType type, TraExpressionPtr left, TraExpressionPtr right)
        : Node(type, daInteger, kIntegerTraits), left_(std::move(left)), right_(std::move(right)) {}
    qint32 evalInteger() override {
        const qint32 r = right_.get();
        const qint32 l = left_.get();
        if constexpr (Op == ttDiv || Op == ttMod) {
            // 32-bit division is much faster than 64-bit; only -1 can overflow it.
            if (r == 0 || r == -1)
                return integerArithmetic(l, r, Op);
            return Op == ttDiv ? l / r : l % r;
        } else {
            qint64 result;
            if constexpr (Op == ttPlus)
                result = qint64(l) + r;
            else if constexpr (Op == ttMinus)
                result = qint64(l) - r;
            else
                result = qint64(l) * r;
            return qint32(quint32(quint64(result)));
        }
    }
    long double evalNumber() override { return evalInteger(); }
    void evaluate(TraValue& out) override { out.setInteger(evalInteger()); }

private:
    IntegerOperand left_;
    IntegerOperand right_;
};

template <TraTokenType Op> long double numberArithmetic(long double l, long double r) {
    if constexpr (Op == ttPlus)
        return l + r;
    else if constexpr (Op == ttMinus)
        return l - r;
    else if constexpr (Op == ttStar)
        return l * r;
    else if constexpr (Op == ttSlash)
        return r == 0 ? 0 : l / r;
    else
        return arithmetic(l, r, Op);
}

template <TraTokenType Op> class NumberArithmeticNode final : public Node {
public:
    NumberArithmeticNode(TraDataType type, TraExpressionPtr left, TraExpressionPtr right)
        : Node(type, daExtended, kNumberTraits), left_(std::move(left)), right_(std::move(right)) {}
    // An overflow inside an expression is caught where the number becomes a
    // value, is stored or is compared: checking every step would double the
    // cost of the arithmetic.
    long double evalNumber() override {
        const long double r = right_.get();
        const long double l = left_.get();
        return numberArithmetic<Op>(l, r);
    }
    void evaluate(TraValue& out) override { setNumericResult(out, evalNumber()); }

private:
    NumberOperand left_;
    NumberOperand right_;
};

template <TraTokenType Op, typename T> bool compareAs(T l, T r) {
    if constexpr (Op == ttEqual)
        return l == r;
    else if constexpr (Op == ttNe)
        return l != r;
    else if constexpr (Op == ttLt)
        return l < r;
    else if constexpr (Op == ttGt)
        return l > r;
    else if constexpr (Op == ttLe)
        return l <= r;
    else
        return l >= r;
}

template <TraTokenType Op, bool Integers> class NumberCompareNode final : public Node {
public:
    using Operand = std::conditional_t<Integers, IntegerOperand, NumberOperand>;
    NumberCompareNode(TraExpressionPtr left, TraExpressionPtr right)
        : Node(daBoolean, daBoolean, Node::NeverNone), left_(std::move(left)), right_(std::move(right)) {}
    bool evalCondition() override {
        const auto r = right_.get();
        const auto l = left_.get();
        if constexpr (!Integers)
            checkFinite((l - l) + (r - r));
        return compareAs<Op>(l, r);
    }
    void evaluate(TraValue& out) override { out.setBoolean(evalCondition()); }

private:
    Operand left_;
    Operand right_;
};

// "and" and "or" of two Booleans that always have a value: both sides are
// evaluated, the right one first.
template <TraTokenType Op> class BooleanLogicNode final : public Node {
public:
    BooleanLogicNode(TraExpressionPtr left, TraExpressionPtr right)
        : Node(daBoolean, daBoolean, Node::NeverNone), left_(std::move(left)), right_(std::move(right)) {}
    bool evalCondition() override {
        const bool r = right_->evalCondition();
        const bool l = left_->evalCondition();
        return Op == ttAnd ? (l && r) : (l || r);
    }
    void evaluate(TraValue& out) override { out.setBoolean(evalCondition()); }

private:
    TraExpressionPtr left_;
    TraExpressionPtr right_;
};

class NotNode final : public Node {
public:
    explicit NotNode(TraExpressionPtr operand)
        : Node(daBoolean, daBoolean, Node::NeverNone), operand_(std::move(operand)) {}
    bool evalCondition() override { return !operand_->evalCondition(); }
    void evaluate(TraValue& out) override { out.setBoolean(evalCondition()); }

private:
    TraExpressionPtr operand_;
};

class IntegerNegateNode final : public Node {
public:
    explicit IntegerNegateNode(TraExpressionPtr operand)
        : Node(operand->dataType(), daInteger, kIntegerTraits), operand_(std::move(operand)) {}
    qint32 evalInteger() override { return qint32(0u - quint32(operand_->evalInteger())); }
    long double evalNumber() override { return evalInteger(); }
    void evaluate(TraValue& out) override { out.setInteger(evalInteger()); }

private:
    TraExpressionPtr operand_;
};

class NumberNegateNode final : public Node {
public:
    explicit NumberNegateNode(TraExpressionPtr operand)
        : Node(operand->dataType(), daExtended, kNumberTraits), operand_(std::move(operand)) {}
    long double evalNumber() override { return -operand_->evalNumber(); }
    void evaluate(TraValue& out) override { setNumericResult(out, evalNumber()); }

private:
    TraExpressionPtr operand_;
};

// Any operator on any values: the left operand's type decides what happens.
class OperateNode final : public Node {
public:
    OperateNode(TraTokenType op, TraDataType type, TraExpressionPtr left, TraExpressionPtr right,
                const TraEnvironment& environment)
        : Node(type, daUnknown, 0), op_(op), left_(std::move(left)), right_(std::move(right)),
          environment_(environment) {}
    void evaluate(TraValue& out) override {
        TraValue r;
        if (right_)
            right_->evaluate(r);
        TraValue l;
        left_->evaluate(l);
        if (l.isNone()) {
            out.clear();
            return;
        }
        if (isRelationalOperator(op_))
            compare(out, l, r, op_, environment_);
        else
            operate(out, l, right_ ? &r : nullptr, op_, environment_);
    }

    TraExpressionPtr takeAppended(const TraVariable* target) {
        if (op_ != ttPlus || !right_ || !left_->variable() || left_->variable() != target ||
            target->value.type() != daString || !right_->neverNone() ||
            (right_->valueType() != daString && right_->valueType() != daChar))
            return nullptr;
        return std::move(right_);
    }

private:
    TraTokenType op_;
    TraExpressionPtr left_;
    TraExpressionPtr right_;
    const TraEnvironment& environment_;
};

template <template <TraTokenType> class NodeClass, typename... Args>
TraExpressionPtr arithmeticNode(TraTokenType op, Args&&... args) {
    switch (op) {
    case ttPlus:
        return std::make_unique<NodeClass<ttPlus>>(std::forward<Args>(args)...);
    case ttMinus:
        return std::make_unique<NodeClass<ttMinus>>(std::forward<Args>(args)...);
    case ttStar:
        return std::make_unique<NodeClass<ttStar>>(std::forward<Args>(args)...);
    case ttSlash:
        return std::make_unique<NodeClass<ttSlash>>(std::forward<Args>(args)...);
    case ttDiv:
        return std::make_unique<NodeClass<ttDiv>>(std::forward<Args>(args)...);
    default:
        return std::make_unique<NodeClass<ttMod>>(std::forward<Args>(args)...);
    }
}

template <bool Integers>
TraExpressionPtr compareNode(TraTokenType op, TraExpressionPtr left, TraExpressionPtr right) {
    switch (op) {
    case ttEqual:
        return std::make_unique<NumberCompareNode<ttEqual, Integers>>(std::move(left), std::move(right));
    case ttNe:
        return std::make_unique<NumberCompareNode<ttNe, Integers>>(std::move(left), std::move(right));
    case ttLt:
        return std::make_unique<NumberCompareNode<ttLt, Integers>>(std::move(left), std::move(right));
    case ttGt:
        return std::make_unique<NumberCompareNode<ttGt, Integers>>(std::move(left), std::move(right));
    case ttLe:
        return std::make_unique<NumberCompareNode<ttLe, Integers>>(std::move(left), std::move(right));
    default:
        return std::make_unique<NumberCompareNode<ttGe, Integers>>(std::move(left), std::move(right));
    }
}

bool isArithmetic(TraTokenType op) {
    return op == ttPlus || op == ttMinus || op == ttStar || op == ttSlash || op == ttDiv || op == ttMod;
}

bool isBooleanValued(const TraExpressionNode& node) {
    return node.neverNone() && node.valueType() == daBoolean;
}

// Folds a node whose operands are constants; an operator that fails (a
// division by zero) stays to fail when it runs.
TraExpressionPtr folded(TraExpressionPtr node) {
    TraValue value;
    try {
        node->evaluate(value);
    } catch (const TraRunError&) {
        return node;
    }
    if (value.isNone())
        return node;
    return std::make_unique<TraLiteralNode>(value, node->dataType());
}

} // namespace

TraExpressionPtr takeAppendedOperand(TraExpressionPtr& value, const TraVariable* target) {
    auto* node = dynamic_cast<OperateNode*>(value.get());
    TraExpressionPtr appended = node ? node->takeAppended(target) : nullptr;
    if (appended)
        value.reset();
    return appended;
}

TraDataType resultDataType(TraTokenType op, TraDataType left, TraDataType right) {
    if (isRelationalOperator(op) || op == ttAnd || op == ttOr || op == ttNot)
        return daBoolean;
    const TraDataType type = left == daUnknown ? right : left;
    if (op == ttPlus && (type == daChar || type == daString))
        return daString;
    return type;
}

TraExpressionPtr makeBinaryNode(TraTokenType op, TraExpressionPtr left, TraExpressionPtr right,
                                const TraEnvironment& environment) {
    const bool constant = left->isConstant() && right->isConstant();
    const TraDataType type = resultDataType(op, left->dataType(), right->dataType());
    TraExpressionPtr node;
    if (isRelationalOperator(op) && op != ttIs && left->alwaysNumber() && right->alwaysNumber()) {
        if (left->alwaysInteger() && right->alwaysInteger())
            node = compareNode<true>(op, std::move(left), std::move(right));
        else
            node = compareNode<false>(op, std::move(left), std::move(right));
    } else if (isArithmetic(op) && left->alwaysNumber() && right->alwaysNumber()) {
        if (left->alwaysInteger() && right->alwaysInteger() && op != ttSlash)
            node = arithmeticNode<IntegerArithmeticNode>(op, type, std::move(left), std::move(right));
        else
            node = arithmeticNode<NumberArithmeticNode>(op, type, std::move(left), std::move(right));
    } else if ((op == ttAnd || op == ttOr) && isBooleanValued(*left) && isBooleanValued(*right)) {
        if (op == ttAnd)
            node = std::make_unique<BooleanLogicNode<ttAnd>>(std::move(left), std::move(right));
        else
            node = std::make_unique<BooleanLogicNode<ttOr>>(std::move(left), std::move(right));
    } else {
        node = std::make_unique<OperateNode>(op, type, std::move(left), std::move(right), environment);
    }
    return constant ? folded(std::move(node)) : std::move(node);
}

TraExpressionPtr makeUnaryNode(TraTokenType op, TraExpressionPtr operand, const TraEnvironment& environment) {
    const bool constant = operand->isConstant();
    TraExpressionPtr node;
    if (op == ttNot && isBooleanValued(*operand))
        node = std::make_unique<NotNode>(std::move(operand));
    else if (op == ttUnaryPlus && operand->alwaysNumber() && constant)
        return operand;
    else if (op == ttUnaryMinus && operand->alwaysInteger())
        node = std::make_unique<IntegerNegateNode>(std::move(operand));
    else if (op == ttUnaryMinus && operand->alwaysNumber())
        node = std::make_unique<NumberNegateNode>(std::move(operand));
    else {
        const TraDataType type = op == ttNot ? daBoolean : operand->dataType();
        node = std::make_unique<OperateNode>(op, type, std::move(operand), nullptr, environment);
    }
    return constant ? folded(std::move(node)) : std::move(node);
}
