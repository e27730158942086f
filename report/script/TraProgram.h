#pragma once

#include "TraDataType.h"
#include "TraEnvironment.h"
#include "TraStatements.h"
#include "TraSyntaxError.h"
#include "TraTokenType.h"
#include "TraVariable.h"

#include <QByteArray>
#include <QHash>
#include <deque>
#include <vector>

class TraCodeModule;

// One procedure or function of a script. It compiles from its own source into
// a tree of statement and expression nodes whose names are all resolved, and
// runs by walking that tree.
//
// Parameters, constants, locals and the function's "Result" are created when
// the program compiles and keep their values from one run to the next until it
// recompiles. A call that enters a program already running (recursion) gets
// its own parameters and locals for its duration.
class TraProgram {
public:
    // The module's global constants and variables are programs that only
    // carry a declaration section.
    enum class Role { Routine, GlobalConstants, GlobalVariables };

    explicit TraProgram(Role role = Role::Routine);
    virtual ~TraProgram();
    TraProgram(const TraProgram&) = delete;
    TraProgram& operator=(const TraProgram&) = delete;

    Role role() const { return role_; }

    const QByteArray& source() const { return source_; }
    // A different text discards the compiled tree and the storage.
    void setSource(const QByteArray& source);
    bool sourceModified() const { return sourceModified_; }

    // A new program's text: "procedure <name>;" or "function <name>: Variant;"
    // with an empty body (a function's assigning Result); the global programs
    // add their "const" or "var" section.
    QByteArray createDefaultSource(const QByteArray& name) const;
    // Replaces what lies between the line of the first "begin" and the line of
    // the last "end" (for the global programs: the declarations after the
    // first line, up to the line holding "begin").
    void replaceBody(const QByteArray& text);
    // The header: "function F(A: Integer): String;" as the source spells it.
    QByteArray declaration() const;

    // Kept for the code editor and stored with the program.
    bool hidden = false;
    bool locked = false;
    // Where the program sits in its code module (global variables 17,
    // constants 18, start 19, end 20, routines 21); stored with it.
    int childType = 0;

    const QByteArray& programName() const { return programName_; }
    TraTokenType programType() const { return programType_; }
    bool isFunctionType() const { return isFunctionType_; }
    // The name and kind a stored program or a bound handler carries before it
    // compiles; compiling takes them from the source.
    void setStoredName(const QByteArray& name, TraTokenType type);

    // With `onlyIfNeeded` nothing happens when the program is compiled and its
    // source unchanged. Answers whether it is compiled afterwards. Errors are
    // kept in syntaxErrors(), never thrown.
    bool compile(bool onlyIfNeeded = false);
    bool isCompiled() const { return compiled_; }
    const std::vector<TraSyntaxError>& syntaxErrors() const { return errors_; }

    // Runs the body. The function's result, or no value for a procedure or a
    // program that is not compiled. Failures raise TraRunError.
    TraValue execute();

    int parameterCount() const { return int(parameters_.size()); }
    TraVariable* parameter(int i) const { return parameters_[size_t(i)]; }
    bool isVarParameter(int i) const { return varParameters_[size_t(i)]; }
    TraVariable* result() const { return result_; }
    TraVariable* findParameter(const QByteArray& name) const;
    TraVariable* findLocal(const QByteArray& name) const;
    TraVariable* findConstant(const QByteArray& name) const;

    void setModule(TraCodeModule* module);
    TraCodeModule* module() const { return module_; }
    const TraEnvironment& environment() const;

    // Runs the body of a compiled program; call nodes use it after they have
    // passed the arguments.
    void runBody() { executeAll(body_); }

    // Entering and leaving a run; a nested run saves and restores the storage.
    struct Activation;

private:
    friend class TraCompiler;

    void discardCompiled();
    void dependOn(TraProgram* other);
    void forgetDependencies();
    TraVariable* addVariable(const QByteArray& name, const TraValue& value);

    Role role_;
    QByteArray source_;
    bool sourceModified_ = false;
    QByteArray programName_;
    TraTokenType programType_ = ttUnknown;
    bool isFunctionType_ = false;
    bool compiled_ = false;
    bool compiling_ = false;
    std::vector<TraSyntaxError> errors_;

    std::deque<TraVariable> storage_;
    std::vector<TraVariable*> parameters_;
    std::vector<bool> varParameters_;
    std::vector<TraVariable*> locals_;
    QHash<QByteArray, TraVariable*> parameterNames_;
    QHash<QByteArray, TraVariable*> localNames_;
    QHash<QByteArray, TraVariable*> constantNames_;
    TraVariable* result_ = nullptr;
    TraStatementList body_;

    TraCodeModule* module_ = nullptr;
    // Programs whose compiled trees refer to this one, and the other way round.
    std::vector<TraProgram*> dependents_;
    std::vector<TraProgram*> dependencies_;
    int activeRuns_ = 0;
};

// Guards one run of a program: counts the call depth of the thread, so that
// runaway recursion ends as a script error instead of overflowing the stack,
// and gives a nested run of the same program its own storage.
struct TraProgram::Activation {
    explicit Activation(TraProgram& program);
    ~Activation();
    Activation(const Activation&) = delete;
    Activation& operator=(const Activation&) = delete;

    static constexpr int kMaxDepth = 500;

private:
    TraProgram& program_;
    std::vector<TraValue> saved_;
};
