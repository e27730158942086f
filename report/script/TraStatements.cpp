#include "TraStatements.h"

#include "TraConversions.h"
#include "TraOperatorNodes.h"
#include "TraOperators.h"

namespace {

class ConvertingAssignment final : public TraStatementNode {
public:
    ConvertingAssignment(TraVariable* target, TraExpressionPtr value, const TraEnvironment& environment)
        : target_(target), value_(std::move(value)), environment_(environment) {}
    void execute() override {
        TraValue value;
        value_->evaluate(value);
        assignConverted(target_->value, value, environment_);
    }

private:
    TraVariable* target_;
    TraExpressionPtr value_;
    const TraEnvironment& environment_;
};

class IntegerAssignment final : public TraStatementNode {
public:
    IntegerAssignment(TraVariable* target, TraExpressionPtr value)
        : target_(target), value_(std::move(value)) {}
    void execute() override { target_->value.setInteger(value_->evalInteger()); }

private:
    TraVariable* target_;
    TraExpressionPtr value_;
};

template <TraDataType Target> class NumberAssignment final : public TraStatementNode {
public:
    NumberAssignment(TraVariable* target, TraExpressionPtr value, bool exactCurrency)
        : target_(target), value_(std::move(value)), exactCurrency_(exactCurrency) {}
    void execute() override {
        TraValue& target = target_->value;
        if constexpr (Target == daCurrency) {
            if (exactCurrency_) {
                TraValue value;
                value_->evaluate(value);
                target.setCurrencyScaled(value.currencyScaled());
                return;
            }
        }
        const long double n = value_->evalNumber();
        if constexpr (Target == daInteger) {
            target.setInteger(truncateToInteger(n));
        } else if constexpr (Target == daSingle) {
            const float f = float(n);
            checkFinite(f);
            target.setSingle(f);
        } else if constexpr (Target == daExtended) {
            checkFinite(n);
            target.setExtended(n);
        } else if constexpr (Target == daCurrency) {
            target.setCurrencyScaled(currencyFromAmount(n));
        } else if constexpr (Target == daDouble) {
            const double d = double(n);
            checkFinite(d);
            target.setDouble(d);
        } else {
            const double d = double(n);
            checkFinite(d);
            target.setDateValue(Target, d);
        }
    }

private:
    TraVariable* target_;
    TraExpressionPtr value_;
    bool exactCurrency_;
};

class BooleanAssignment final : public TraStatementNode {
public:
    BooleanAssignment(TraVariable* target, TraExpressionPtr value)
        : target_(target), value_(std::move(value)) {}
    void execute() override { target_->value.setBoolean(value_->evalCondition()); }

private:
    TraVariable* target_;
    TraExpressionPtr value_;
};

class AppendAssignment final : public TraStatementNode {
public:
    AppendAssignment(TraVariable* target, TraExpressionPtr appended)
        : target_(target), appended_(std::move(appended)) {}
    void execute() override {
        TraValue value;
        appended_->evaluate(value);
        QByteArray& text = target_->value.mutableText();
        if (value.type() == daChar)
            text.append(value.character());
        else
            text.append(value.text());
    }

private:
    TraVariable* target_;
    TraExpressionPtr appended_;
};

// Whether a variable of type `target` takes a number of type `source` (the
// table of conversions on assignment; the date types are picky).
bool takesNumber(TraDataType target, TraDataType source) {
    const bool sourceIsDate = source == daDateTime || source == daDate || source == daTime;
    switch (target) {
    case daInteger:
    case daSingle:
    case daCurrency:
        return !sourceIsDate;
    case daDouble:
    case daExtended:
        return source != daDate && source != daTime;
    case daDateTime:
        return source != daSingle && source != daCurrency;
    case daDate:
        return source != daSingle && source != daCurrency && source != daTime;
    case daTime:
        return source != daSingle && source != daCurrency;
    default:
        return false;
    }
}

template <TraDataType Target> TraStatementPtr numberAssignment(TraVariable* target, TraExpressionPtr value) {
    const bool exactCurrency = value->valueType() == daCurrency;
    return std::make_unique<NumberAssignment<Target>>(target, std::move(value), exactCurrency);
}

} // namespace

TraStatementPtr makeAssignment(TraVariable* target, TraExpressionPtr value,
                               const TraEnvironment& environment) {
    const TraDataType type = target->value.type();
    if (type == daInteger && value->alwaysInteger())
        return std::make_unique<IntegerAssignment>(target, std::move(value));
    if (value->alwaysNumber() && takesNumber(type, value->valueType())) {
        switch (type) {
        case daInteger:
            return numberAssignment<daInteger>(target, std::move(value));
        case daSingle:
            return numberAssignment<daSingle>(target, std::move(value));
        case daDouble:
            return numberAssignment<daDouble>(target, std::move(value));
        case daExtended:
            return numberAssignment<daExtended>(target, std::move(value));
        case daCurrency:
            return numberAssignment<daCurrency>(target, std::move(value));
        case daDateTime:
            return numberAssignment<daDateTime>(target, std::move(value));
        case daDate:
            return numberAssignment<daDate>(target, std::move(value));
        case daTime:
            return numberAssignment<daTime>(target, std::move(value));
        default:
            break;
        }
    }
    if (type == daBoolean && value->neverNone() && value->valueType() == daBoolean)
        return std::make_unique<BooleanAssignment>(target, std::move(value));
    if (TraExpressionPtr appended = takeAppendedOperand(value, target))
        return std::make_unique<AppendAssignment>(target, std::move(appended));
    return std::make_unique<ConvertingAssignment>(target, std::move(value), environment);
}

void TraExpressionStatement::execute() {
    TraValue ignored;
    expression_->evaluate(ignored);
}

qint32 TraForStatement::bound(TraExpressionNode& expression) {
    if (expression.alwaysInteger())
        return expression.evalInteger();
    TraValue value;
    expression.evaluate(value);
    TraValue integer = TraValue::ofInteger(0);
    assignConverted(integer, value, environment_);
    return integer.integer();
}

void TraForStatement::setControl(qint64 value) {
    if (control_->value.type() == daInteger)
        control_->value.setInteger(qint32(quint32(quint64(value))));
    else
        assignConverted(control_->value, TraValue::ofExtended((long double)value), environment_);
}

void TraForStatement::execute() {
    const qint64 start = bound(*start_);
    const qint64 end = bound(*end_);
    const int step = downTo_ ? -1 : 1;
    const qint64 low = downTo_ ? end : start;
    const qint64 high = downTo_ ? start : end;
    qint64 value = start;
    setControl(value);
    if (control_->value.type() == daInteger) {
        TraValue& control = control_->value;
        while (value >= low && value <= high) {
            executeAll(body_);
            interruptPoint(environment_);
            value += step;
            control.setInteger(qint32(quint32(quint64(value))));
        }
        return;
    }
    while (value >= low && value <= high) {
        executeAll(body_);
        interruptPoint(environment_);
        value += step;
        setControl(value);
    }
}

bool TraCaseStatement::matches(TraCaseLabel& label, const TraValue& selector) {
    TraValue low;
    label.value->evaluate(low);
    if (!label.rangeEnd) {
        TraValue equal;
        compare(equal, low, selector, ttEqual, environment_);
        return isTrueCondition(equal);
    }
    TraValue high;
    label.rangeEnd->evaluate(high);
    const std::optional<long double> s = readNumber(selector);
    const std::optional<long double> l = readNumber(low);
    const std::optional<long double> h = readNumber(high);
    if (s && l && h)
        return *l <= *s && *s <= *h;
    // A range of characters: 'a'..'z'.
    auto code = [](const TraValue& v) -> int {
        if (v.type() == daChar)
            return quint8(v.character());
        if (v.type() == daString && v.text().size() == 1)
            return quint8(v.text()[0]);
        return -1;
    };
    const int sc = code(selector);
    return sc >= 0 && code(low) >= 0 && code(low) <= sc && sc <= code(high);
}

void TraCaseStatement::execute() {
    TraValue selector;
    selector_->evaluate(selector);
    if (selector.isNone())
        return;
    for (TraCaseBranch& branch : branches_)
        for (TraCaseLabel& label : branch.labels)
            if (matches(label, selector)) {
                executeAll(branch.body);
                return;
            }
    if (hasElse_)
        executeAll(else_);
}
