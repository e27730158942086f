#include "TraCompiler.h"

#include "TraCodeModule.h"
#include "TraCompilerMessages.h"
#include "TraEnumerations.h"
#include "TraProgram.h"
#include "TraSystemConstants.h"
#include "TraValueNodes.h"

namespace {

// The tokens that may start a statement in a statement list; ";" alone is an
// empty statement.
constexpr TraTokenSet kStatementStart{ttIdentifier, ttType, ttLParen, ttCase, ttEnd,
                                      ttFor,        ttIf,   ttRepeat, ttWhile};
// What may follow "then", ":" in a case branch, or "do" ... as one statement.
constexpr TraTokenSet kBranchStart{ttIdentifier, ttBegin, ttCase, ttFor, ttIf, ttRepeat, ttWhile};

QByteArray key(const QByteArray& name) {
    return name.toLower();
}

} // namespace

TraCompiler::TraCompiler(TraProgram& program) : program_(program) {}

const TraEnvironment& TraCompiler::environment() const {
    return program_.environment();
}

// ---- token cursor ----------------------------------------------------------

const TraToken* TraCompiler::next() {
    // Reading past the end still advances, so that back() undoes it.
    const std::vector<TraToken>& tokens = parser_.tokens();
    if (pos_ < tokens.size())
        return &tokens[pos_++];
    pos_ = tokens.size() + 1;
    return nullptr;
}

void TraCompiler::back() {
    if (pos_ > 0)
        --pos_;
}

const TraToken* TraCompiler::peek() const {
    const std::vector<TraToken>& tokens = parser_.tokens();
    return pos_ < tokens.size() ? &tokens[pos_] : nullptr;
}

void TraCompiler::addError(const TraToken* token, TraTokenSet set, int code) {
    TraSyntaxError error;
    error.errorCode = code;
    if (token) {
        error.tokenText = token->text;
        error.lineNo = token->lineNo;
        error.charPos = token->charPos;
    }
    error.msg = compilerMessage(code, error.tokenText, set);
    program_.errors_.push_back(error);
}

void TraCompiler::nest(const TraToken* at) {
    ++nesting_;
    if (nesting_ > kMaxNesting)
        fail(at, 10);
}

void TraCompiler::fail(const TraToken* token, int code) {
    addError(token, {}, code);
    throw Stop{};
}

void TraCompiler::expect(const TraToken* token, TraTokenSet set, int code, bool withPrevious) {
    if (token) {
        if (!tokenSetAccepts(set, token->type)) {
            addError(token, set, code);
            throw Stop{};
        }
        return;
    }
    const std::vector<TraToken>& tokens = parser_.tokens();
    const TraToken* previous = withPrevious && !tokens.empty() ? &tokens.back() : nullptr;
    if (previous)
        addError(previous, set, code);
    addError(previous, {}, 12);
    throw Stop{};
}

// ---- program ---------------------------------------------------------------

bool TraCompiler::compile() {
    parser_.parse(program_.source_);
    if (!parser_.syntaxErrors().empty()) {
        for (int index : parser_.syntaxErrors())
            addError(&parser_.tokens()[size_t(index)], {}, 10);
        return false;
    }
    try {
        const TraToken* kind = next();
        expect(kind, {ttFunction, ttProcedure}, 6, false);
        program_.programType_ = kind->type;
        const TraToken* name = next();
        expect(name, {ttIdentifier}, 7, false);
        program_.programName_ = name->text;
        compileBody();
        program_.isFunctionType_ = program_.programType_ == ttFunction;
        return true;
    } catch (const Stop&) {
        return false;
    }
}

void TraCompiler::compileBody() {
    const bool isFunction = program_.programType_ == ttFunction;
    TraTokenSet set = isFunction ? TraTokenSet{ttLParen, ttColon} : TraTokenSet{ttLParen, ttSemiColon};
    bool first = true;
    bool afterEnd = false;
    for (;;) {
        const TraToken* token = next();
        expect(token, set, -1, !first);
        first = false;
        switch (token->type) {
        case ttLParen:
        case ttColon:
            compileParameters(token);
            set = {ttBegin, ttConst, ttVar};
            break;
        case ttSemiColon:
            if (afterEnd)
                return; // whatever follows the final "end;" is not read
            set = {ttBegin, ttConst, ttVar};
            break;
        case ttConst:
            compileConstants();
            set = {ttBegin, ttVar};
            break;
        case ttVar:
            compileVariables();
            set = {ttBegin};
            break;
        case ttBegin:
            program_.body_ = compileStatementList({ttEnd});
            set = {ttEnd};
            break;
        default: // "end"
            afterEnd = true;
            set = {ttSemiColon};
            break;
        }
    }
}

void TraCompiler::checkNewName(const TraToken* name, const std::vector<const TraToken*>& pending) {
    const QByteArray lower = key(name->text);
    bool clash = program_.parameterNames_.contains(lower) || program_.localNames_.contains(lower) ||
                 program_.constantNames_.contains(lower);
    for (const TraToken* other : pending)
        clash = clash || key(other->text) == lower;
    bool failed = false;
    if (clash) {
        addError(name, {}, 0);
        failed = true;
    }
    if (findSystemConstant(lower)) {
        addError(name, {}, 3);
        failed = true;
    }
    if (TraCodeModule* module = program_.module()) {
        if (const std::optional<int> code = module->globalNameClash(program_, name->text)) {
            addError(name, {}, *code);
            failed = true;
        }
    }
    if (failed)
        throw Stop{};
}

TraVariable* TraCompiler::declare(const TraToken* name, const TraToken* type,
                                  QHash<QByteArray, TraVariable*>& names) {
    TraValue value = TraValue::initial(type->dataType, environment().nowInDays(), type->enumType);
    if (value.isNone())
        fail(type, 2);
    value.setClassRef(type->classRef);
    TraVariable* variable = program_.addVariable(name->text, value);
    names.insert(key(name->text), variable);
    return variable;
}

void TraCompiler::compileParameters(const TraToken* entry) {
    const bool isFunction = program_.programType_ == ttFunction;
    std::vector<const TraToken*> names;
    bool byReference = false;
    bool closed = false;
    bool resultNext = entry->type == ttColon;
    bool resultDone = false;
    TraTokenSet set = resultNext ? TraTokenSet{ttType} : TraTokenSet{ttIdentifier, ttConst, ttVar};
    int code = resultNext ? 9 : -1;
    for (;;) {
        const TraToken* token = next();
        expect(token, set, code);
        code = -1;
        switch (token->type) {
        case ttIdentifier:
            checkNewName(token, names);
            names.push_back(token);
            set = {ttColon, ttComma};
            break;
        case ttComma:
            set = {ttIdentifier};
            break;
        case ttConst:
        case ttVar:
            byReference = token->type == ttVar;
            set = {ttIdentifier};
            break;
        case ttColon:
            resultNext = closed;
            set = {ttType};
            code = 9;
            break;
        case ttType:
            if (resultNext) {
                TraValue value =
                    TraValue::initial(token->dataType, environment().nowInDays(), token->enumType);
                if (value.isNone())
                    fail(token, 2);
                value.setClassRef(token->classRef);
                program_.result_ = program_.addVariable(QByteArrayLiteral("Result"), value);
                resultDone = true;
                set = {ttSemiColon};
            } else {
                for (const TraToken* name : names) {
                    program_.parameters_.push_back(declare(name, token, program_.parameterNames_));
                    program_.varParameters_.push_back(byReference);
                }
                names.clear();
                set = {ttRParen, ttSemiColon};
            }
            break;
        case ttRParen:
            closed = true;
            set = isFunction ? TraTokenSet{ttColon} : TraTokenSet{ttSemiColon};
            break;
        default: // ";"
            if (closed || resultDone)
                return;
            byReference = false;
            set = {ttIdentifier, ttConst, ttVar};
            break;
        }
    }
}

void TraCompiler::compileConstants() {
    TraTokenSet set{ttIdentifier};
    const TraToken* name = nullptr;
    bool negate = false;
    std::optional<TraValue> value;
    for (;;) {
        const TraToken* token = next();
        expect(token, set);
        switch (token->type) {
        case ttIdentifier:
            if (!name) {
                checkNewName(token);
                name = token;
                set = {ttEqual};
            } else {
                value = findSystemConstant(token->text);
                if (!value)
                    fail(token, 11);
                set = {ttSemiColon};
            }
            break;
        case ttEqual:
            set = {ttIdentifier, ttNumber, ttString, ttMinus, ttPlus};
            break;
        case ttMinus:
        case ttPlus:
            negate = token->type == ttMinus;
            set = {ttIdentifier, ttNumber};
            break;
        case ttNumber:
            value = token->dataType == daInteger ? TraValue::ofInteger(token->intValue)
                                                 : TraValue::ofExtended(token->floatValue);
            set = {ttSemiColon};
            break;
        case ttString:
            value = TraValue::ofString(token->text);
            set = {ttSemiColon};
            break;
        case ttSemiColon: {
            if (negate) {
                if (value->type() == daInteger)
                    value->setInteger(qint32(0u - quint32(value->integer())));
                else if (value->type() == daExtended)
                    value->setExtended(-value->extended());
                else
                    fail(token, 1);
            }
            TraVariable* constant = program_.addVariable(name->text, *value);
            constant->readOnly = true;
            program_.constantNames_.insert(key(name->text), constant);
            name = nullptr;
            negate = false;
            value.reset();
            set = {ttIdentifier, ttBegin, ttVar};
            break;
        }
        default: // "begin" or "var"
            back();
            return;
        }
    }
}

void TraCompiler::compileVariables() {
    TraTokenSet set{ttIdentifier};
    bool typeExpected = false;
    std::vector<const TraToken*> names;
    for (;;) {
        const TraToken* token = next();
        // After ":" a name that is no type is reported as such, as in a parameter list.
        expect(token, set, typeExpected ? 9 : -1);
        typeExpected = false;
        switch (token->type) {
        case ttIdentifier:
            checkNewName(token, names);
            names.push_back(token);
            set = {ttColon, ttComma};
            break;
        case ttComma:
            set = {ttIdentifier};
            break;
        case ttColon:
            set = {ttType};
            typeExpected = true;
            break;
        case ttType:
            for (const TraToken* name : names)
                program_.locals_.push_back(declare(name, token, program_.localNames_));
            names.clear();
            set = {ttSemiColon};
            break;
        case ttSemiColon:
            set = {ttIdentifier, ttBegin};
            break;
        default: // "begin"
            back();
            return;
        }
    }
}

// ---- statements ------------------------------------------------------------

TraStatementList TraCompiler::compileStatementList(TraTokenSet terminators) {
    TraStatementList list;
    const TraTokenSet start = kStatementStart | terminators;
    const TraTokenSet afterStatement = TraTokenSet{ttSemiColon} | terminators;
    bool atStart = true;
    for (;;) {
        const TraToken* token = next();
        // Where a statement may start an empty one is allowed too, though ";" is not named among
        // the tokens expected there.
        if (token && token->type == ttSemiColon && atStart)
            continue;
        expect(token, atStart ? start : afterStatement);
        if (terminators.contains(token->type) || token->type == ttEnd) {
            back();
            return list;
        }
        if (token->type == ttSemiColon) {
            atStart = true;
            continue;
        }
        list.push_back(compileStatement(token, afterStatement));
        atStart = false;
    }
}

TraStatementPtr TraCompiler::compileStatement(const TraToken* first, TraTokenSet ends) {
    const Nesting nesting(*this, first);
    switch (first->type) {
    case ttIf:
        return compileIf(ends);
    case ttWhile:
        return compileWhile(ends);
    case ttRepeat:
        return compileRepeat(ends);
    case ttFor:
        return compileFor(ends);
    case ttCase:
        return compileCase();
    case ttLParen: {
        back();
        return std::make_unique<TraExpressionStatement>(compileExpression(daUnknown, ends));
    }
    default:
        back();
        return compileExpressionStatement(ends);
    }
}

TraStatementList TraCompiler::compileBlock() {
    const Nesting nesting(*this, peek());
    TraStatementList list = compileStatementList({ttEnd});
    expect(next(), {ttEnd});
    return list;
}

TraStatementPtr TraCompiler::compileExpressionStatement(TraTokenSet ends) {
    const TraToken* first = next();
    expect(first, {ttIdentifier, ttType});
    if (first->type == ttType) {
        back();
        if (first->dataType == daClass)
            return finishObjectStatement(compileFactor(ends | TraTokenSet{ttColonEqual}), ends);
        return std::make_unique<TraExpressionStatement>(compileExpression(daUnknown, ends));
    }
    if (TraVariable* target = findVariable(first->text)) {
        if (const TraToken* after = peek();
            after &&
            (after->type == ttPeriod || (after->type == ttLBracket && (target->value.type() == daClass ||
                                                                       target->value.type() == daObject))))
            return finishObjectStatement(compileMemberTail(std::make_unique<TraVariableNode>(target)), ends);
        const TraToken* token = next();
        expect(token, TraTokenSet{ttColonEqual} | ends);
        if (token->type != ttColonEqual) {
            back();
            return std::make_unique<TraExpressionStatement>(std::make_unique<TraVariableNode>(target));
        }
        return makeAssignment(target, compileExpression(daUnknown, ends), environment());
    }
    if (TraExpressionPtr object = findReportObject(first))
        return finishObjectStatement(compileMemberTail(std::move(object)), ends);
    TraExpressionPtr call;
    if (TraProgram* routine = findScriptRoutine(first->text, false))
        call = compileCall(routine, nullptr);
    else if (std::shared_ptr<const TraSystemFunction> builtin = TraSystemFunctions::find(first->text))
        call = compileCall(nullptr, builtin);
    else
        fail(first, 11);
    expect(next(), ends);
    back();
    return std::make_unique<TraExpressionStatement>(std::move(call));
}

TraStatementPtr TraCompiler::compileIf(TraTokenSet ends) {
    TraExpressionPtr condition = compileExpression(daBoolean, {ttThen});
    expect(next(), {ttThen});
    const TraTokenSet branchEnds = ends | TraTokenSet{ttSemiColon, ttElse};
    TraStatementList thenPart = compileThenPart(branchEnds);
    TraStatementList elsePart;
    const TraToken* token = next();
    expect(token, branchEnds);
    if (token->type == ttElse)
        elsePart = compileElsePart(ends);
    else
        back();
    return std::make_unique<TraIfStatement>(std::move(condition), std::move(thenPart), std::move(elsePart));
}

TraStatementList TraCompiler::compileThenPart(TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, kBranchStart);
    if (token->type == ttBegin)
        return compileBlock();
    TraStatementList list;
    list.push_back(compileStatement(token, ends));
    return list;
}

// After "else": one expression statement, a begin-end block, or an "if" whose
// condition starts with a name or "(".
TraStatementList TraCompiler::compileElsePart(TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, kExpressionStart | TraTokenSet{ttBegin, ttIf});
    TraStatementList list;
    if (token->type == ttBegin)
        return compileBlock();
    if (token->type == ttIf) {
        expect(peek(), {ttIdentifier, ttLParen});
        list.push_back(compileIf(ends));
        return list;
    }
    back();
    list.push_back(compileExpressionStatement(ends | TraTokenSet{ttSemiColon, ttElse}));
    return list;
}

TraStatementList TraCompiler::compileLoopBody(TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, {ttIdentifier, ttBegin});
    if (token->type == ttBegin)
        return compileBlock();
    back();
    TraStatementList list;
    list.push_back(compileExpressionStatement(ends | TraTokenSet{ttSemiColon, ttElse}));
    return list;
}

TraStatementPtr TraCompiler::compileWhile(TraTokenSet ends) {
    TraExpressionPtr condition = compileExpression(daBoolean, {ttDo});
    expect(next(), {ttDo});
    return std::make_unique<TraWhileStatement>(std::move(condition), compileLoopBody(ends), environment());
}

TraStatementPtr TraCompiler::compileRepeat(TraTokenSet ends) {
    expect(peek(), {ttIdentifier});
    TraStatementList body = compileStatementList({ttUntil});
    expect(next(), {ttUntil});
    TraExpressionPtr condition = compileExpression(daBoolean, ends | TraTokenSet{ttSemiColon, ttElse});
    return std::make_unique<TraRepeatStatement>(std::move(body), std::move(condition), environment());
}

TraStatementPtr TraCompiler::compileFor(TraTokenSet ends) {
    const TraToken* name = next();
    expect(name, {ttIdentifier});
    TraVariable* control = findVariable(name->text);
    if (!control)
        fail(name, 11);
    if (!typesCompatible(control->value.type(), daInteger))
        fail(name, 1);
    expect(next(), {ttColonEqual});
    expect(peek(), {ttIdentifier, ttNumber});
    TraExpressionPtr start = compileExpression(daInteger, {ttTo, ttDownTo});
    const TraToken* direction = next();
    expect(direction, {ttTo, ttDownTo});
    expect(peek(), {ttIdentifier, ttNumber});
    TraExpressionPtr end = compileExpression(daInteger, {ttDo});
    expect(next(), {ttDo});
    TraStatementList body = compileLoopBody(ends);
    return std::make_unique<TraForStatement>(control, std::move(start), std::move(end),
                                             direction->type == ttDownTo, std::move(body), environment());
}

// A branch's statement ends at ";" or at the "end" of the case.
TraStatementPtr TraCompiler::compileCase() {
    expect(peek(), {ttIdentifier});
    TraExpressionPtr selector = compileExpression(daUnknown, {ttOf});
    expect(next(), {ttOf});
    std::vector<TraCaseBranch> branches;
    TraStatementList elsePart;
    bool hasElse = false;
    TraTokenSet set{ttIdentifier, ttNumber};
    const TraTokenSet branchEnds{ttSemiColon, ttEnd};
    for (;;) {
        const TraToken* token = next();
        expect(token, set);
        if (token->type == ttEnd)
            break;
        if (token->type == ttSemiColon) {
            set = {ttIdentifier, ttNumber, ttElse, ttEnd};
            continue;
        }
        if (token->type == ttElse) {
            // One statement or a begin-end block, then "end", with an optional ";" before it.
            hasElse = true;
            elsePart = compileCaseBranch(branchEnds);
            const TraToken* after = next();
            expect(after, branchEnds);
            if (after->type == ttSemiColon)
                expect(next(), {ttEnd});
            break;
        }
        back();
        TraCaseBranch branch;
        branch.labels = compileCaseLabels();
        expect(next(), {ttColon});
        branch.body = compileCaseBranch(branchEnds);
        branches.push_back(std::move(branch));
        set = branchEnds;
    }
    return std::make_unique<TraCaseStatement>(std::move(selector), std::move(branches), std::move(elsePart),
                                              hasElse, environment());
}

std::vector<TraCaseLabel> TraCompiler::compileCaseLabels() {
    std::vector<TraCaseLabel> labels;
    const TraTokenSet valueEnds{ttColon, ttComma, ttDotDot};
    bool range = false;
    for (;;) {
        const TraToken* token = next();
        expect(token, {ttIdentifier, ttNumber});
        back();
        if (token->type == ttIdentifier && !findVariable(token->text) && !findConstant(token->text) &&
            !findSystemConstant(token->text) && !TraEnumerations::findValue(token->text) &&
            !findScriptRoutine(token->text, true) && !TraSystemFunctions::find(token->text))
            fail(token, 13);
        TraExpressionPtr value = compileExpression(daUnknown, valueEnds);
        if (range)
            labels.back().rangeEnd = std::move(value);
        else
            labels.push_back({std::move(value), nullptr});
        const TraToken* after = next();
        expect(after, range ? TraTokenSet{ttColon, ttComma} : valueEnds);
        if (after->type == ttColon) {
            back();
            return labels;
        }
        range = after->type == ttDotDot;
    }
}

TraStatementList TraCompiler::compileCaseBranch(TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, kBranchStart);
    if (token->type == ttBegin)
        return compileBlock();
    TraStatementList list;
    list.push_back(compileStatement(token, ends));
    return list;
}
