#include "TraProgram.h"

#include "TraCodeModule.h"
#include "TraCompiler.h"
#include "TraParser.h"
#include "TraRunError.h"
#include "TraStatements.h"

#include <algorithm>

namespace {

// Script calls nest on the C++ stack; the limit keeps a runaway recursion far
// from the end of any thread's stack, sanitizer builds included.
thread_local int tCallDepth = 0;

} // namespace

TraProgram::TraProgram(Role role) : role_(role) {}

TraProgram::~TraProgram() {
    discardCompiled();
}

void TraProgram::setSource(const QByteArray& source) {
    if (source == source_)
        return;
    source_ = source;
    sourceModified_ = true;
    if (!compiling_) {
        discardCompiled();
        errors_.clear();
    }
}

void TraProgram::setStoredName(const QByteArray& name, TraTokenType type) {
    if (compiled_ || compiling_)
        return;
    programName_ = name;
    programType_ = type;
    isFunctionType_ = type == ttFunction;
}

bool TraProgram::compile(bool onlyIfNeeded) {
    if (compiling_ || (onlyIfNeeded && compiled_))
        return compiled_;
    compiling_ = true;
    discardCompiled();
    errors_.clear();
    programName_.clear();
    programType_ = ttUnknown;
    isFunctionType_ = false;
    TraCompiler compiler(*this);
    const bool compiled = compiler.compile();
    if (!compiled)
        discardCompiled();
    compiled_ = compiled;
    compiling_ = false;
    return compiled_;
}

TraValue TraProgram::execute() {
    if (!compiled_)
        return {};
    Activation activation(*this);
    runBody();
    return result_ ? result_->value : TraValue();
}

TraVariable* TraProgram::findParameter(const QByteArray& name) const {
    return parameterNames_.value(name.toLower());
}
TraVariable* TraProgram::findLocal(const QByteArray& name) const {
    return localNames_.value(name.toLower());
}
TraVariable* TraProgram::findConstant(const QByteArray& name) const {
    return constantNames_.value(name.toLower());
}

void TraProgram::setModule(TraCodeModule* module) {
    if (module == module_)
        return;
    discardCompiled();
    module_ = module;
}

const TraEnvironment& TraProgram::environment() const {
    return module_ ? module_->environment() : TraEnvironment::standard();
}

TraVariable* TraProgram::addVariable(const QByteArray& name, const TraValue& value) {
    storage_.push_back({name, value, false});
    return &storage_.back();
}

void TraProgram::dependOn(TraProgram* other) {
    if (other == this || std::find(dependencies_.begin(), dependencies_.end(), other) != dependencies_.end())
        return;
    dependencies_.push_back(other);
    other->dependents_.push_back(this);
}

void TraProgram::forgetDependencies() {
    for (TraProgram* other : dependencies_)
        other->dependents_.erase(std::remove(other->dependents_.begin(), other->dependents_.end(), this),
                                 other->dependents_.end());
    dependencies_.clear();
}

// Compiled trees of other programs point into this one's storage and
// parameters; they are discarded with it and compile again when next needed.
void TraProgram::discardCompiled() {
    compiled_ = false;
    body_.clear();
    parameters_.clear();
    varParameters_.clear();
    locals_.clear();
    parameterNames_.clear();
    localNames_.clear();
    constantNames_.clear();
    result_ = nullptr;
    storage_.clear();
    forgetDependencies();
    const std::vector<TraProgram*> dependents = std::move(dependents_);
    dependents_.clear();
    for (TraProgram* dependent : dependents)
        dependent->discardCompiled();
}

TraProgram::Activation::Activation(TraProgram& program) : program_(program) {
    // A call is a turn as a loop's is: recursion that branches never loops,
    // and would otherwise escape the time limit.
    interruptPoint(program.environment());
    if (tCallDepth >= kMaxDepth)
        throw TraRunError(QStringLiteral("Too many nested calls: more than %1 routines are running at once "
                                         "(a routine that calls itself without end?)")
                              .arg(kMaxDepth));
    ++tCallDepth;
    if (program.activeRuns_ > 0) {
        saved_.reserve(program.storage_.size());
        for (const TraVariable& variable : program.storage_)
            saved_.push_back(variable.value);
    }
    ++program.activeRuns_;
}

TraProgram::Activation::~Activation() {
    --program_.activeRuns_;
    if (!saved_.empty()) {
        size_t i = 0;
        for (TraVariable& variable : program_.storage_)
            variable.value = saved_[i++];
    }
    --tCallDepth;
}

namespace {

QList<QByteArray> linesOf(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines << text.mid(start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines) {
    return lines.join("\r\n");
}

} // namespace

QByteArray TraProgram::createDefaultSource(const QByteArray& name) const {
    switch (role_) {
    case Role::GlobalConstants:
        return "procedure " + name + ";\r\nconst\r\n   \r\nbegin\r\n\r\nend;";
    case Role::GlobalVariables:
        return "procedure " + name + ";\r\nvar\r\n   \r\nbegin\r\n\r\nend;";
    case Role::Routine:
        break;
    }
    if (programType_ == ttFunction)
        return "function " + name + ": Variant;\r\nbegin\r\n\r\n  Result := \r\n\r\nend;";
    return "procedure " + name + ";\r\nbegin\r\n\r\nend;";
}

void TraProgram::replaceBody(const QByteArray& text) {
    const QList<QByteArray> lines = linesOf(source_);
    TraParser parser;
    parser.parse(source_);
    int firstBegin = -1;
    int lastEnd = -1;
    for (const TraToken& token : parser.tokens()) {
        if (token.type == ttBegin && firstBegin < 0)
            firstBegin = token.lineNo - 1;
        if (token.type == ttEnd)
            lastEnd = token.lineNo - 1;
    }
    if (firstBegin < 0)
        return;
    QList<QByteArray> result;
    if (role_ == Role::Routine) {
        if (lastEnd < firstBegin)
            return;
        result = lines.mid(0, firstBegin + 1);
        result << text;
        result << lines.mid(lastEnd);
    } else {
        result << lines.value(0) << text << lines.mid(firstBegin);
    }
    setSource(joined(result));
}

QByteArray TraProgram::declaration() const {
    if (role_ != Role::Routine)
        return "procedure " + programName_ + ";\r\n";
    TraParser parser;
    parser.parse(source_);
    const QList<QByteArray> lines = linesOf(source_);
    int depth = 0;
    for (const TraToken& token : parser.tokens()) {
        depth += token.type == ttLParen ? 1 : token.type == ttRParen ? -1 : 0;
        if (token.type == ttSemiColon && depth == 0) {
            QList<QByteArray> head = lines.mid(0, token.lineNo);
            head.last().truncate(token.charPos + 1);
            return joined(head);
        }
    }
    return {};
}
