#pragma once

#include "TraEnvironment.h"
#include "TraExpressionNode.h"
#include "TraRTTI.h"
#include "TraStatements.h"
#include "WeakReference.h"

#include <QString>
#include <vector>

class TppCommunicator;

// Finds report objects by user name for the programs of a code module.
class TraObjectFinder {
public:
    virtual ~TraObjectFinder() = default;
    virtual TppCommunicator* findReportObject(const QByteArray& name) const = 0;
};

// A report object named in a script ("Label1"). The object found last is
// kept through a weak reference and looked up again by name once it is gone
// or renamed, so a template loaded anew is seen without recompiling.
class TraReportObjectNode final : public TraExpressionNode {
public:
    TraReportObjectNode(const TraObjectFinder& finder, const QByteArray& name, TppCommunicator* found);
    void evaluate(TraValue& out) override;
    const ClassInfo* staticClass() const override { return class_; }

private:
    TppCommunicator* resolve();

    const TraObjectFinder& finder_;
    QByteArray name_;
    QString userName_;
    WeakReference<TppCommunicator> found_;
    const ClassInfo* class_;
};

// A class name used as a value: the right side of "is" and "as".
class TraClassReferenceNode final : public TraExpressionNode {
public:
    explicit TraClassReferenceNode(const ClassInfo* cls);
    void evaluate(TraValue& out) override;
    const ClassInfo* staticClass() const override { return class_; }

private:
    const ClassInfo* class_;
};

// "x is TppLabel": True when x holds an object of the class or of one derived from it.
class TraIsNode final : public TraExpressionNode {
public:
    TraIsNode(TraExpressionPtr object, TraExpressionPtr cls);
    void evaluate(TraValue& out) override;
    bool evalCondition() override;

private:
    TraExpressionPtr object_;
    TraExpressionPtr class_;
};

// "x as TppLabel" and the cast "TppLabel(x)": x's object when it is of the
// class, else no object. The result has the class, so members chain on it.
class TraAsNode final : public TraExpressionNode {
public:
    TraAsNode(TraExpressionPtr object, TraExpressionPtr cls, const ClassInfo* staticClass);
    void evaluate(TraValue& out) override;
    const ClassInfo* staticClass() const override { return static_; }

private:
    TraExpressionPtr object_;
    TraExpressionPtr class_;
    const ClassInfo* static_;
};

// A member of an object: a property read, or a call of a method, indexed
// property or constructor with its arguments. Checked against the class known
// when compiling; looked up again on the object's actual class when it runs.
class TraMemberNode final : public TraExpressionNode {
public:
    TraMemberNode(TraExpressionPtr object, const ClassInfo& compiledClass, TraPropRec rec,
                  std::vector<TraExpressionPtr> arguments, const TraEnvironment& environment);
    void evaluate(TraValue& out) override;
    // A constructor gives an object of the class it was called on.
    const ClassInfo* staticClass() const override {
        return rec_.isConstructor ? &compiledClass_ : rec_.classType;
    }

    const TraPropRec& rec() const { return rec_; }
    bool isProperty() const { return rec_.dataType != daMethod; }
    // For "obj.Prop := value": the object part, leaving this node empty.
    TraExpressionPtr takeObject() { return std::move(object_); }
    // "obj.Strings[i] := value": writes the indexed property this node reads.
    void store(const TraValue& value);

private:
    Persistent* object(TraValue& holder);
    // The object to work on, refused when it is gone or not allowed.
    Persistent* target(TraValue& holder);
    // The arguments, evaluated and converted to the parameters' types.
    void evaluateArguments(TraCallFrame& frame, size_t formals);

    TraExpressionPtr object_;
    const ClassInfo& compiledClass_;
    TraPropRec rec_;
    std::vector<TraExpressionPtr> arguments_;
    const TraEnvironment& environment_;
    bool running_ = false;
};

// "obj.Prop := value". A read-only property ignores the write.
class TraMemberAssignment final : public TraStatementNode {
public:
    TraMemberAssignment(TraExpressionPtr object, TraPropRec rec, TraExpressionPtr value,
                        const TraEnvironment& environment);
    void execute() override;

private:
    TraExpressionPtr object_;
    TraPropRec rec_;
    TraExpressionPtr value_;
    const TraEnvironment& environment_;
};

// "obj.Strings[i] := value", "List[i] := value": bounds-checked by the
// member, which raises the same error as for a read out of range.
class TraIndexedAssignment final : public TraStatementNode {
public:
    TraIndexedAssignment(std::unique_ptr<TraMemberNode> member, TraExpressionPtr value);
    void execute() override;

private:
    std::unique_ptr<TraMemberNode> member_;
    TraExpressionPtr value_;
};

// Raised when a script reaches a member of no object.
[[noreturn]] void raiseNoObject(const QByteArray& member);
