#pragma once

#include "TraEnvironment.h"
#include "TraExpressionNode.h"
#include "TraSystemFunction.h"

#include <memory>
#include <vector>

class TraProgram;

// A call of a script procedure or function. The arguments are all evaluated
// first, then passed into the callee's parameters (converted as by
// assignment); after the run each "var" parameter is copied back into the
// variable passed for it, and the call's value is a copy of the callee's
// result, so two calls in one expression keep their own results.
class TraScriptCallNode final : public TraExpressionNode {
public:
    TraScriptCallNode(TraProgram* callee, std::vector<TraExpressionPtr> arguments,
                      const TraEnvironment& environment);
    void evaluate(TraValue& out) override;
    qint32 evalInteger() override;
    long double evalNumber() override;

private:
    // How an argument reaches its parameter: as a machine number when both
    // sides are numbers, else as a value converted by the parameter's type.
    enum class Passing : quint8 { Integer, Number, Value };

    template <typename ReadResult> auto call(ReadResult readResult);

    TraProgram* callee_;
    std::vector<TraExpressionPtr> arguments_;
    std::vector<Passing> passing_;
    bool allNumbers_ = true;
    bool anyVar_ = false;
    const TraEnvironment& environment_;
};

// A call of a built-in routine: the same passing, into parameters of the
// routine's declared types that live only for the call.
class TraBuiltinCallNode final : public TraExpressionNode {
public:
    TraBuiltinCallNode(std::shared_ptr<const TraSystemFunction> function,
                       std::vector<TraExpressionPtr> arguments, const TraEnvironment& environment);
    void evaluate(TraValue& out) override;

    static constexpr int kMaxParameters = 8;

private:
    std::shared_ptr<const TraSystemFunction> function_;
    std::vector<TraExpressionPtr> arguments_;
    const TraEnvironment& environment_;
};
