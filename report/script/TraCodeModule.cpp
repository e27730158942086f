#include "TraCodeModule.h"

#include "PagewrightErrors.h"
#include "TppResourceManager.h"

#include <exception>

TraCodeModule::TraCodeModule()
    : constants_(std::make_unique<TraProgram>(TraProgram::Role::GlobalConstants)),
      variables_(std::make_unique<TraProgram>(TraProgram::Role::GlobalVariables)) {
    constants_->setModule(this);
    variables_->setModule(this);
}

// Routines go first: their trees refer to the globals' storage.
TraCodeModule::~TraCodeModule() {
    routines_.clear();
    variables_.reset();
    constants_.reset();
}

TraProgram& TraCodeModule::addRoutine(const QByteArray& source) {
    routines_.push_back(std::make_unique<TraProgram>());
    TraProgram& routine = *routines_.back();
    routine.setSource(source);
    routine.setModule(this);
    return routine;
}

bool TraCodeModule::compileAll(bool raiseOnFailure) {
    if (compilingAll_)
        return false;
    compilingAll_ = true;
    std::vector<TraProgram*> failed;
    // A module without global constants or variables has nothing to compile there.
    for (TraProgram* declarations : {constants_.get(), variables_.get()})
        if (!declarations->source().isEmpty() && !declarations->compile(true))
            failed.push_back(declarations);
    // A routine that calls one further down the list compiles on the second pass.
    std::vector<TraProgram*> retry;
    for (const std::unique_ptr<TraProgram>& routine : routines_)
        if (!routine->compile(true))
            retry.push_back(routine.get());
    for (TraProgram* routine : retry)
        if (!routine->compile(true))
            failed.push_back(routine);
    compilingAll_ = false;
    if (raiseOnFailure && !failed.empty())
        throw ECodeError(
            LanguageStringFmt(kMsgCouldNotCompile, {QString::fromLatin1(failed.front()->programName())}));
    return failed.empty();
}

TraValue TraCodeModule::runProgram(TraProgram& program) {
    try {
        return program.execute();
    } catch (const EPagewrightError& error) {
        throw ECodeError(LanguageStringFmt(kMsgCouldNotRun, {QString::fromLatin1(program.programName())}) +
                         u'\n' + error.message());
    } catch (const std::exception& error) {
        throw ECodeError(LanguageStringFmt(kMsgCouldNotRun, {QString::fromLatin1(program.programName())}) +
                         u'\n' + QString::fromLocal8Bit(error.what()));
    }
}

TraCodeModule::Global TraCodeModule::findGlobalVariable(const QByteArray& name) const {
    if (TraVariable* variable = variables_->findLocal(name))
        return {variable, variables_.get()};
    return parent_ ? parent_->findGlobalVariable(name) : Global{};
}

TraCodeModule::Global TraCodeModule::findGlobalConstant(const QByteArray& name) const {
    if (TraVariable* constant = constants_->findConstant(name))
        return {constant, constants_.get()};
    return parent_ ? parent_->findGlobalConstant(name) : Global{};
}

TraProgram* TraCodeModule::findGlobalRoutine(const QByteArray& name) const {
    for (const std::unique_ptr<TraProgram>& routine : routines_)
        if (routine->isCompiled() && routine->programName().compare(name, Qt::CaseInsensitive) == 0)
            return routine.get();
    return parent_ ? parent_->findGlobalRoutine(name) : nullptr;
}

std::optional<int> TraCodeModule::globalNameClash(const TraProgram& program, const QByteArray& name) const {
    if (&program == constants_.get() && findGlobalVariable(name).variable)
        return 4;
    if (&program == variables_.get() && findGlobalConstant(name).variable)
        return 5;
    return std::nullopt;
}
