#pragma once

#include "TraEnvironment.h"
#include "TraExpressionNode.h"
#include "TraVariable.h"

#include <memory>
#include <vector>

// Compiled statements. A statement's temporaries live on the stack of its
// execute(), so nothing piles up however long a loop runs, and a recursive
// call never overwrites a value its caller is still using.
class TraStatementNode {
public:
    virtual ~TraStatementNode() = default;
    virtual void execute() = 0;
};

using TraStatementPtr = std::unique_ptr<TraStatementNode>;
using TraStatementList = std::vector<TraStatementPtr>;

inline void executeAll(const TraStatementList& statements) {
    for (const TraStatementPtr& statement : statements)
        statement->execute();
}

// A call, or any expression, whose value is dropped.
class TraExpressionStatement final : public TraStatementNode {
public:
    explicit TraExpressionStatement(TraExpressionPtr expression) : expression_(std::move(expression)) {}
    void execute() override;

private:
    TraExpressionPtr expression_;
};

// "target := value". Picks the cheapest way the two types allow: a machine
// number stored straight into a numeric variable, text appended in place for
// "s := s + t", or a value converted by the target's type.
TraStatementPtr makeAssignment(TraVariable* target, TraExpressionPtr value,
                               const TraEnvironment& environment);

class TraIfStatement final : public TraStatementNode {
public:
    TraIfStatement(TraExpressionPtr condition, TraStatementList thenPart, TraStatementList elsePart)
        : condition_(std::move(condition)), then_(std::move(thenPart)), else_(std::move(elsePart)) {}
    void execute() override { executeAll(condition_->evalCondition() ? then_ : else_); }

private:
    TraExpressionPtr condition_;
    TraStatementList then_;
    TraStatementList else_;
};

inline void interruptPoint(const TraEnvironment& environment) {
    if (environment.interrupt) [[unlikely]]
        environment.interrupt();
}

class TraWhileStatement final : public TraStatementNode {
public:
    TraWhileStatement(TraExpressionPtr condition, TraStatementList body, const TraEnvironment& environment)
        : condition_(std::move(condition)), body_(std::move(body)), environment_(environment) {}
    void execute() override {
        while (condition_->evalCondition()) {
            executeAll(body_);
            interruptPoint(environment_);
        }
    }

private:
    TraExpressionPtr condition_;
    TraStatementList body_;
    const TraEnvironment& environment_;
};

class TraRepeatStatement final : public TraStatementNode {
public:
    TraRepeatStatement(TraStatementList body, TraExpressionPtr condition, const TraEnvironment& environment)
        : body_(std::move(body)), condition_(std::move(condition)), environment_(environment) {}
    void execute() override {
        do {
            executeAll(body_);
            interruptPoint(environment_);
        } while (!condition_->evalCondition());
    }

private:
    TraStatementList body_;
    TraExpressionPtr condition_;
    const TraEnvironment& environment_;
};

// The bounds are evaluated once, as Integers. The loop counts in 64 bits, so a
// bound at the end of the Integer range still ends the loop; afterwards the
// control variable holds the first value past the end bound.
class TraForStatement final : public TraStatementNode {
public:
    TraForStatement(TraVariable* control, TraExpressionPtr start, TraExpressionPtr end, bool downTo,
                    TraStatementList body, const TraEnvironment& environment)
        : control_(control), start_(std::move(start)), end_(std::move(end)), downTo_(downTo),
          body_(std::move(body)), environment_(environment) {}
    void execute() override;

private:
    qint32 bound(TraExpressionNode& expression);
    void setControl(qint64 value);

    TraVariable* control_;
    TraExpressionPtr start_;
    TraExpressionPtr end_;
    bool downTo_;
    TraStatementList body_;
    const TraEnvironment& environment_;
};

// One label of a case branch: a value compared with "=", or a range.
struct TraCaseLabel {
    TraExpressionPtr value;
    TraExpressionPtr rangeEnd; // set for "low..high"
};

struct TraCaseBranch {
    std::vector<TraCaseLabel> labels;
    TraStatementList body;
};

// Runs the first branch one of whose labels matches the selector, else the
// "else" part.
class TraCaseStatement final : public TraStatementNode {
public:
    TraCaseStatement(TraExpressionPtr selector, std::vector<TraCaseBranch> branches,
                     TraStatementList elsePart, bool hasElse, const TraEnvironment& environment)
        : selector_(std::move(selector)), branches_(std::move(branches)), else_(std::move(elsePart)),
          hasElse_(hasElse), environment_(environment) {}
    void execute() override;

private:
    bool matches(TraCaseLabel& label, const TraValue& selector);

    TraExpressionPtr selector_;
    std::vector<TraCaseBranch> branches_;
    TraStatementList else_;
    bool hasElse_;
    const TraEnvironment& environment_;
};
