#pragma once

#include "TraEnvironment.h"
#include "TraProgram.h"

#include <QByteArray>
#include <memory>
#include <optional>
#include <vector>

// Holds the programs of one report's scripts and what they share: the global
// constants program, the global variables program and the global procedures
// and functions. It resolves the names programs share, compiles them in an
// order that lets a routine call one further down the list, and runs them.
class TraCodeModule {
public:
    TraCodeModule();
    ~TraCodeModule();
    TraCodeModule(const TraCodeModule&) = delete;
    TraCodeModule& operator=(const TraCodeModule&) = delete;

    TraEnvironment& environment() { return environment_; }
    const TraEnvironment& environment() const { return environment_; }

    // The module of the enclosing report, whose globals this one sees.
    void setParent(TraCodeModule* parent) { parent_ = parent; }

    TraProgram& globalConstants() { return *constants_; }
    TraProgram& globalVariables() { return *variables_; }
    TraProgram& addRoutine(const QByteArray& source);
    const std::vector<std::unique_ptr<TraProgram>>& routines() const { return routines_; }

    // Compiles the constants, the variables, then the routines; the routines
    // that failed get a second pass. With `raiseOnFailure` a program that does
    // not compile raises ECodeError "Could not compile program: <name>".
    // Answers whether every program compiled.
    bool compileAll(bool raiseOnFailure = false);
    // Runs a program; a failure inside raises ECodeError naming it, with the
    // cause on a second line.
    TraValue runProgram(TraProgram& program);

    // Name lookups for the compiler, outward through enclosing modules.
    struct Global {
        TraVariable* variable = nullptr;
        TraProgram* owner = nullptr;
    };
    Global findGlobalVariable(const QByteArray& name) const;
    Global findGlobalConstant(const QByteArray& name) const;
    // A compiled routine of that name.
    TraProgram* findGlobalRoutine(const QByteArray& name) const;
    // 4 or 5 when declaring `name` in a global declaration program clashes
    // with the other kind of global.
    std::optional<int> globalNameClash(const TraProgram& program, const QByteArray& name) const;

private:
    TraEnvironment environment_;
    TraCodeModule* parent_ = nullptr;
    std::unique_ptr<TraProgram> constants_;
    std::unique_ptr<TraProgram> variables_;
    std::vector<std::unique_ptr<TraProgram>> routines_;
    bool compilingAll_ = false;
};
