#include "TraCompiler.h"

#include "TraBridgeNodes.h"
#include "TraCodeModule.h"
#include "TraEnumerations.h"
#include "TraOperatorNodes.h"
#include "TraProgram.h"
#include "TraSystemConstants.h"
#include "TraValueNodes.h"

namespace {

constexpr TraTokenSet kOperandStart{ttIdentifier, ttNumber, ttString, ttType, ttLParen, ttUnary};

QByteArray key(const QByteArray& name) {
    return name.toLower();
}

bool takesUnaryMinus(TraDataType type) {
    return isRealLike(type) || type == daVariant || type == daUnknown;
}
bool takesLogic(TraDataType type) {
    return type == daBoolean || type == daVariant || type == daUnknown;
}

} // namespace

TraExpressionPtr TraCompiler::compileExpression(TraDataType required, TraTokenSet ends) {
    const TraToken* start = peek();
    TraExpressionPtr node = compileSimpleExpression(ends);
    if (required != daUnknown && !typesCompatible(node->dataType(), required))
        fail(start, 1);
    return node;
}

TraExpressionPtr TraCompiler::compileSimpleExpression(TraTokenSet ends) {
    TraExpressionPtr left = compileTerm(ends);
    Nesting chain(*this);
    for (;;) {
        const TraToken* token = next();
        if (token && token->type == ttRParen && !ends.contains(ttRParen))
            fail(token, 8);
        expect(token, TraTokenSet{ttOperator} | ends);
        if (ends.contains(token->type)) {
            back();
            return left;
        }
        chain.open(token);
        const TraToken* rightStart = peek();
        TraExpressionPtr right = compileTerm(ends);
        left = compileBinary(token, std::move(left), std::move(right), rightStart);
    }
}

TraExpressionPtr TraCompiler::compileTerm(TraTokenSet ends) {
    TraExpressionPtr left = compileFactor(ends);
    Nesting chain(*this);
    for (;;) {
        const TraToken* token = next();
        if (!token || !isMultiplicativeOperator(token->type) || ends.contains(token->type)) {
            back();
            return left;
        }
        chain.open(token);
        const TraToken* rightStart = peek();
        TraExpressionPtr right = compileFactor(ends);
        left = compileBinary(token, std::move(left), std::move(right), rightStart);
    }
}

// Unary operators bind tightest: "-a * b" is "(-a) * b", "2 * -3" is 2 * (-3).
TraExpressionPtr TraCompiler::compileFactor(TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, kOperandStart);
    const Nesting nesting(*this, token);
    switch (token->type) {
    case ttMinus:
    case ttPlus:
    case ttNot: {
        TraExpressionPtr operand = compileFactor(ends);
        const bool fits =
            token->type == ttNot ? takesLogic(operand->dataType()) : takesUnaryMinus(operand->dataType());
        if (!fits)
            fail(token, 1);
        const TraTokenType op = token->type == ttMinus  ? ttUnaryMinus
                                : token->type == ttPlus ? ttUnaryPlus
                                                        : ttNot;
        return makeUnaryNode(op, std::move(operand), environment());
    }
    case ttLParen: {
        TraExpressionPtr inner = compileSimpleExpression({ttRParen});
        expect(next(), {ttRParen});
        return compileMemberTail(std::move(inner));
    }
    case ttNumber:
        return std::make_unique<TraLiteralNode>(token->dataType == daInteger
                                                    ? TraValue::ofInteger(token->intValue)
                                                    : TraValue::ofExtended(token->floatValue));
    case ttString:
        return std::make_unique<TraLiteralNode>(TraValue::ofString(token->text));
    case ttType: {
        if (token->dataType == daClass) {
            auto cls = std::make_unique<TraClassReferenceNode>(token->classRef);
            const TraToken* after = peek();
            // "TStringList.Create": a member of the class itself.
            if (!after || after->type != ttLParen)
                return compileMemberTail(std::move(cls));
            next();
            TraExpressionPtr operand = compileSimpleExpression({ttRParen});
            expect(next(), {ttRParen});
            return compileMemberTail(
                std::make_unique<TraAsNode>(std::move(operand), std::move(cls), token->classRef));
        }
        if (token->dataType == daEnum || token->dataType == daBoolean || token->dataType == daClass)
            fail(token, 9);
        expect(next(), {ttLParen});
        TraExpressionPtr operand = compileSimpleExpression({ttRParen});
        expect(next(), {ttRParen});
        return std::make_unique<TraTypeCastNode>(token->dataType, std::move(operand));
    }
    default:
        return compileValueName(token);
    }
}

TraExpressionPtr TraCompiler::compileBinary(const TraToken* op, TraExpressionPtr left, TraExpressionPtr right,
                                            const TraToken* rightStart) {
    const TraDataType l = left->dataType();
    const TraDataType r = right->dataType();
    if (op->type == ttIs || op->type == ttAs) {
        const bool objectLeft = l == daObject || l == daClass || l == daVariant || l == daUnknown;
        if (!objectLeft || r != daClass)
            fail(rightStart, 1);
        if (op->type == ttIs)
            return std::make_unique<TraIsNode>(std::move(left), std::move(right));
        const ClassInfo* cls = right->staticClass();
        return std::make_unique<TraAsNode>(std::move(left), std::move(right), cls);
    }
    if (!typesCompatible(l, r))
        fail(rightStart, 1);
    // "and" and "or" are logic only; on numbers they would give a meaningless 0.
    if ((op->type == ttAnd || op->type == ttOr) && (!takesLogic(l) || !takesLogic(r)))
        fail(rightStart, 1);
    return makeBinaryNode(op->type, std::move(left), std::move(right), environment());
}

TraExpressionPtr TraCompiler::compileValueName(const TraToken* name) {
    if (TraVariable* variable = findVariable(name->text))
        return compileMemberTail(std::make_unique<TraVariableNode>(variable));
    if (TraExpressionPtr object = findReportObject(name))
        return compileMemberTail(std::move(object));
    if (TraExpressionPtr constant = findConstant(name->text))
        return constant;
    if (const std::optional<TraValue> system = findSystemConstant(name->text))
        return std::make_unique<TraLiteralNode>(*system);
    if (TraProgram* routine = findScriptRoutine(name->text, true))
        return compileCall(routine, nullptr);
    if (std::shared_ptr<const TraSystemFunction> builtin = TraSystemFunctions::find(name->text);
        builtin && builtin->isFunction)
        return compileCall(nullptr, builtin);
    if (const std::optional<TraEnumValueRef> enumValue = TraEnumerations::findValue(name->text)) {
        TraValue value;
        if (enumValue->typeIndex == TraEnumerations::kBoolean)
            value.setBoolean(enumValue->ordinal != 0);
        else
            value.setEnum(enumValue->typeIndex, enumValue->ordinal);
        return std::make_unique<TraLiteralNode>(value);
    }
    fail(name, 11);
}

TraExpressionPtr TraCompiler::compileCall(TraProgram* script,
                                          std::shared_ptr<const TraSystemFunction> builtin) {
    std::vector<TraDataType> formals;
    if (script) {
        for (int i = 0; i < script->parameterCount(); ++i)
            formals.push_back(script->parameter(i)->value.type());
    } else {
        for (const TraFormalParameter& formal : builtin->parameters)
            formals.push_back(formal.type);
    }
    std::vector<TraExpressionPtr> arguments;
    if (!formals.empty()) {
        expect(next(), {ttLParen});
        for (size_t i = 0; i < formals.size(); ++i) {
            const TraTokenSet argumentEnds =
                i + 1 < formals.size() ? TraTokenSet{ttComma} : TraTokenSet{ttRParen};
            const TraToken* start = peek();
            // A ")" before the last argument closes the list too early: the expression ends there
            // and the check below names the "," that is missing, not an unmatched parenthesis.
            TraExpressionPtr argument = compileSimpleExpression(argumentEnds | TraTokenSet{ttRParen});
            if (!typesCompatible(argument->dataType(), formals[i]))
                fail(start, 1);
            arguments.push_back(std::move(argument));
            expect(next(), argumentEnds);
        }
    }
    if (script) {
        program_.dependOn(script);
        return std::make_unique<TraScriptCallNode>(script, std::move(arguments), environment());
    }
    return std::make_unique<TraBuiltinCallNode>(std::move(builtin), std::move(arguments), environment());
}

TraVariable* TraCompiler::findVariable(const QByteArray& name) {
    const QByteArray lower = key(name);
    if (program_.result_ && lower == "result")
        return program_.result_;
    if (TraVariable* parameter = program_.parameterNames_.value(lower))
        return parameter;
    if (TraVariable* local = program_.localNames_.value(lower))
        return local;
    if (TraCodeModule* module = program_.module()) {
        const TraCodeModule::Global global = module->findGlobalVariable(name);
        if (global.variable && global.owner != &program_) {
            program_.dependOn(global.owner);
            return global.variable;
        }
    }
    return nullptr;
}

TraExpressionPtr TraCompiler::findConstant(const QByteArray& name) {
    const TraVariable* constant = program_.constantNames_.value(key(name));
    if (!constant) {
        if (TraCodeModule* module = program_.module()) {
            const TraCodeModule::Global global = module->findGlobalConstant(name);
            if (global.variable && global.owner != &program_) {
                program_.dependOn(global.owner);
                constant = global.variable;
            }
        }
    }
    if (!constant)
        return nullptr;
    return std::make_unique<TraLiteralNode>(constant->value);
}

// A routine may call itself: its header is compiled before its body.
TraProgram* TraCompiler::findScriptRoutine(const QByteArray& name, bool functionsOnly) {
    TraProgram* routine = nullptr;
    if (program_.role() == TraProgram::Role::Routine && key(name) == key(program_.programName_))
        routine = &program_;
    else if (TraCodeModule* module = program_.module())
        routine = module->findGlobalRoutine(name);
    if (routine && functionsOnly && routine->programType() != ttFunction)
        return nullptr;
    return routine;
}
// ---- objects and their members ----------------------------------------------

TraExpressionPtr TraCompiler::findReportObject(const TraToken* name) {
    TraCodeModule* module = program_.module();
    if (!module)
        return nullptr;
    TppCommunicator* object = module->findReportObject(name->text);
    if (!object)
        return nullptr;
    return std::make_unique<TraReportObjectNode>(*module, name->text, object);
}

// After an object: ".Member", "[index]" of an indexed default ... chain on the
// class the compiler knows; a member that class lacks is an error at its name.
TraExpressionPtr TraCompiler::compileMemberTail(TraExpressionPtr node) {
    Nesting chain(*this);
    for (;;) {
        const TraToken* token = peek();
        if (!token || (token->type != ttPeriod && token->type != ttLBracket))
            return node;
        const ClassInfo* cls = node->staticClass();
        TraPropRec rec;
        if (token->type == ttLBracket) {
            // "List[i]" is "List.Strings[i]": the "[" opens the default member's index.
            if (!cls || !TraClassManager::getDefaultRec(*cls, rec))
                return node;
            chain.open(token);
        } else {
            next();
            chain.open(token);
            const TraToken* name = next();
            expect(name, {ttIdentifier, ttType});
            if (!cls || !TraClassManager::getPropRec(*cls, name->text, rec) || rec.isEvent())
                fail(name, 11);
        }
        std::vector<TraExpressionPtr> arguments;
        if (rec.dataType == daMethod) {
            const size_t formals = rec.params.size() - (hasResult(rec.params) ? 1 : 0);
            if (formals > 0) {
                const TraTokenType open = rec.isIndexed ? ttLBracket : ttLParen;
                const TraTokenType close = rec.isIndexed ? ttRBracket : ttRParen;
                expect(next(), {open});
                for (size_t i = 0; i < formals; ++i) {
                    const TraTokenSet argumentEnds =
                        i + 1 < formals ? TraTokenSet{ttComma} : TraTokenSet{close};
                    const TraToken* start = peek();
                    TraExpressionPtr argument = compileSimpleExpression(argumentEnds | TraTokenSet{close});
                    if (!typesCompatible(argument->dataType(), rec.params[i].dataType))
                        fail(start, 1);
                    arguments.push_back(std::move(argument));
                    expect(next(), argumentEnds);
                }
            }
        }
        const ClassInfo& compiledClass = *cls;
        node = std::make_unique<TraMemberNode>(std::move(node), compiledClass, std::move(rec),
                                               std::move(arguments), environment());
    }
}

// A statement that starts with an object: "Label1.Caption := 'x'" or a call.
TraStatementPtr TraCompiler::finishObjectStatement(TraExpressionPtr node, TraTokenSet ends) {
    const TraToken* token = next();
    expect(token, TraTokenSet{ttColonEqual} | ends);
    if (token->type != ttColonEqual) {
        back();
        return std::make_unique<TraExpressionStatement>(std::move(node));
    }
    auto* member = dynamic_cast<TraMemberNode*>(node.get());
    if (member && member->rec().isIndexed && !member->rec().isReadOnly) {
        const TraToken* start = peek();
        TraExpressionPtr value = compileExpression(daUnknown, ends);
        if (!typesCompatible(value->dataType(), member->rec().params.back().dataType))
            fail(start, 1);
        std::unique_ptr<TraMemberNode> indexed(static_cast<TraMemberNode*>(node.release()));
        return std::make_unique<TraIndexedAssignment>(std::move(indexed), std::move(value));
    }
    if (!member || !member->isProperty())
        fail(token, 1);
    TraPropRec rec = member->rec();
    TraExpressionPtr object = member->takeObject();
    const TraToken* start = peek();
    TraExpressionPtr value = compileExpression(daUnknown, ends);
    if (!typesCompatible(value->dataType(), rec.dataType))
        fail(start, 1);
    return std::make_unique<TraMemberAssignment>(std::move(object), std::move(rec), std::move(value),
                                                 environment());
}
