#pragma once

#include "TraCallNodes.h"
#include "TraExpressionNode.h"
#include "TraParser.h"
#include "TraStatements.h"
#include "TraSystemFunction.h"

class TraProgram;

// Turns one program's tokens into its tree. Every step reads a token and checks
// it against the set of tokens that may stand there; the first token outside
// the set becomes the program's one error (two at the end of the source) and
// compiling stops.
class TraCompiler {
public:
    explicit TraCompiler(TraProgram& program);
    // Fills the program's declarations, body and errors; answers success.
    bool compile();

private:
    struct Stop {};

    // Token cursor.
    const TraToken* next();
    void back();
    const TraToken* peek() const;
    // Throws Stop after recording the error when `token` is missing or not in
    // `set`. At the end of the source the error goes to the last token, followed
    // by "Unexpected end of source.", unless `withPrevious` is false.
    void expect(const TraToken* token, TraTokenSet set, int code = -1, bool withPrevious = true);
    [[noreturn]] void fail(const TraToken* token, int code);
    void addError(const TraToken* token, TraTokenSet set, int code);

    // Declarations.
    void compileBody();
    void compileParameters(const TraToken* entry);
    void compileConstants();
    void compileVariables();
    void checkNewName(const TraToken* name, const std::vector<const TraToken*>& pending = {});
    TraVariable* declare(const TraToken* name, const TraToken* type, QHash<QByteArray, TraVariable*>& names);

    // Statements. `ends` are the tokens that may follow a statement here.
    TraStatementList compileStatementList(TraTokenSet terminators);
    TraStatementPtr compileStatement(const TraToken* first, TraTokenSet ends);
    TraStatementPtr compileExpressionStatement(TraTokenSet ends);
    TraStatementPtr compileIf(TraTokenSet ends);
    TraStatementList compileThenPart(TraTokenSet ends);
    TraStatementList compileElsePart(TraTokenSet ends);
    TraStatementPtr compileWhile(TraTokenSet ends);
    TraStatementPtr compileRepeat(TraTokenSet ends);
    TraStatementPtr compileFor(TraTokenSet ends);
    TraStatementList compileLoopBody(TraTokenSet ends);
    TraStatementPtr compileCase();
    std::vector<TraCaseLabel> compileCaseLabels();
    TraStatementList compileCaseBranch(TraTokenSet ends);
    TraStatementList compileBlock();

    // Expressions.
    TraExpressionPtr compileExpression(TraDataType required, TraTokenSet ends);
    TraExpressionPtr compileSimpleExpression(TraTokenSet ends);
    TraExpressionPtr compileTerm(TraTokenSet ends);
    TraExpressionPtr compileFactor(TraTokenSet ends);
    TraExpressionPtr compileBinary(const TraToken* op, TraExpressionPtr left, TraExpressionPtr right,
                                   const TraToken* rightStart);
    TraExpressionPtr compileValueName(const TraToken* name);
    TraExpressionPtr compileCall(TraProgram* script, std::shared_ptr<const TraSystemFunction> builtin);

    // Objects: report objects by user name, members after ".", assignments to them.
    TraExpressionPtr findReportObject(const TraToken* name);
    TraExpressionPtr compileMemberTail(TraExpressionPtr node);
    TraStatementPtr finishObjectStatement(TraExpressionPtr node, TraTokenSet ends);

    // Names, all compared without regard to case.
    TraVariable* findVariable(const QByteArray& name); // Result, parameters, locals, globals
    TraExpressionPtr findConstant(const QByteArray& name);
    TraProgram* findScriptRoutine(const QByteArray& name, bool functionsOnly);

    const TraEnvironment& environment() const;

    // Nested source nests on the C++ stack, here and again when the tree
    // runs and is freed. Each block, statement, operand and operator in a
    // chain and member after "." opens a level for as long as it is being
    // compiled; a source that goes deeper fails with a parser error rather
    // than overflow the stack. A tree is at most twice as deep as this.
    static constexpr int kMaxNesting = 1000;
    // Opens one more level.
    void nest(const TraToken* at);
    // Closes the levels it opened, also when compiling stops on an error.
    class Nesting {
    public:
        explicit Nesting(TraCompiler& compiler) : compiler_(compiler) {}
        Nesting(TraCompiler& compiler, const TraToken* at) : compiler_(compiler) { open(at); }
        ~Nesting() { compiler_.nesting_ -= levels_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        void open(const TraToken* at) {
            ++levels_;
            compiler_.nest(at);
        }

    private:
        TraCompiler& compiler_;
        int levels_ = 0;
    };

    TraProgram& program_;
    TraParser parser_;
    size_t pos_ = 0;
    int nesting_ = 0;
};
