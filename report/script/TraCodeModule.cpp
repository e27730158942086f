#include "TraCodeModule.h"

#include "ClassBuilder.h"
#include "ClassRegistry.h"
#include "PagewrightErrors.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"
#include "TppResourceManager.h"
#include "TraCodeModuleTemplate.h"
#include "TraConversions.h"
#include "TraEventValues.h"
#include "TraProgramStream.h"
#include "TraRunError.h"

#include <exception>

// Thrown from a loop when the report's generation was stopped (a cancel):
// the running program ends where it is, and generation ends as stopped.
struct TraStopped {};

struct TraCodeModule::RunScope {
    explicit RunScope(TraCodeModule& module) : module_(module) {
        if (module_.runDepth_++ == 0) {
            module_.runClock_.start();
            module_.runTurns_ = 0;
        }
    }
    ~RunScope() { --module_.runDepth_; }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    TraCodeModule& module_;
};

namespace {

// Where a program sits in its module; stored with it.
enum ModuleChildType {
    kGlobalVariables = 17,
    kGlobalConstants = 18,
    kStartProgram = 19,
    kEndProgram = 20,
    kGlobalRoutine = 21
};

QString latin(const QByteArray& text) {
    return QString::fromLatin1(text);
}

} // namespace

const ClassInfo& TraCodeModule::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TraCodeModule>("TraCodeModule", &TppReportModule::staticClassInfo(), [](auto& c) {
            c.defined(
                "ProgramStream", PropertyKind::Binary,
                [](const TraCodeModule& module) { return QVariant(module.programStream()); },
                [](TraCodeModule& module, const QVariant& value) {
                    module.setProgramStream(value.toByteArray());
                });
        });
    return info;
}

TraCodeModule::TraCodeModule(OwnedComponent* owner)
    : TppReportModule(owner), constants_(std::make_unique<TraProgram>(TraProgram::Role::GlobalConstants)),
      variables_(std::make_unique<TraProgram>(TraProgram::Role::GlobalVariables)),
      start_(std::make_unique<TraProgram>()), end_(std::make_unique<TraProgram>()) {
    constants_->childType = kGlobalConstants;
    variables_->childType = kGlobalVariables;
    start_->childType = kStartProgram;
    end_->childType = kEndProgram;
    for (TraProgram* program : {constants_.get(), variables_.get(), start_.get(), end_.get()})
        program->setModule(this);
    AddEventKind(ciReportGenerationStart);
    AddEventKind(ciReportGenerationEnd);
    environment_.interrupt = [this] { loopTurn(); };
    environment_.objects = &objects_;
    template_ = std::make_unique<TraCodeModuleTemplate>(*this);
}

void TraCodeModule::setEnvironment(TraEnvironment environment) {
    environment.interrupt = [this] { loopTurn(); };
    environment.objects = &objects_;
    environment_ = std::move(environment);
}

// Loops look at the clock and the report only every so many turns: a tight
// loop costs a counter, and the report's pump spaces its own calls in time.
void TraCodeModule::loopTurn() {
    if (environment_.maxTurns > 0 && ++runTurns_ > environment_.maxTurns)
        throw TraRunError(
            QStringLiteral("The script ran longer than %1 loop turns and calls").arg(environment_.maxTurns));
    if (++turns_ % 64 != 0)
        return;
    if (environment_.timeoutSeconds > 0 && runClock_.isValid() &&
        runClock_.elapsed() > qint64(environment_.timeoutSeconds * 1000))
        throw TraRunError(
            QStringLiteral("The script ran longer than %1 seconds").arg(environment_.timeoutSeconds));
    if (TppCustomReport* owner = report()) {
        owner->ProcessMessages();
        if (owner->GenerationStopped())
            throw TraStopped{};
    }
}

void TraCodeModule::Notify(TppCommunicator* sender, int operation) {
    if (operation == ppopRemove && sender == subscribedReport_)
        subscribedReport_ = nullptr;
    TppReportModule::Notify(sender, operation);
}

// Handlers and routines go first: their trees refer to the globals' storage.
TraCodeModule::~TraCodeModule() {
    subscribeToReport(nullptr);
    clearPrograms();
    variables_.reset();
    constants_.reset();
}

void TraCodeModule::clearPrograms() {
    lost_.clear();
    handlers_.clear();
    routines_.clear();
    start_->setSource({});
    end_->setSource({});
}

TraProgram& TraCodeModule::addRoutine(const QByteArray& source) {
    routines_.push_back(std::make_unique<TraProgram>());
    TraProgram& routine = *routines_.back();
    routine.childType = kGlobalRoutine;
    routine.setSource(source);
    routine.setModule(this);
    return routine;
}

TraEventHandler& TraCodeModule::addEventHandler(const QByteArray& componentName, const QByteArray& eventName,
                                                const QByteArray& source) {
    handlers_.push_back(std::make_unique<TraEventHandler>());
    TraEventHandler& handler = *handlers_.back();
    handler.setModule(this);
    handler.setSource(source);
    handler.setLoading(true);
    handler.setComponentName(componentName);
    handler.setEventName(eventName);
    handler.setLoading(false);
    // One whose object or event is missing stays unbound; bindAll drops it.
    if (TppCommunicator* object = findReportObject(componentName))
        if (TraClassManager::hasEvent(object->classInfo(), eventName))
            handler.bind();
    return handler;
}

TppCustomReport* TraCodeModule::report() const {
    return Report();
}

TppCommunicator* TraCodeModule::findHandlerObject(const QByteArray& name, QByteArray* boundName) const {
    if (TppCommunicator* object = findReportObject(name))
        return object;
    if (name.size() < 2)
        return nullptr;
    const QByteArray shorter = name.left(name.size() - 1);
    TppCommunicator* object = findReportObject(shorter);
    if (object && boundName)
        *boundName = shorter;
    return object;
}

TppCommunicator* TraCodeModule::findReportObject(const QByteArray& name) const {
    TppCustomReport* owner = report();
    if (!owner || name.isEmpty())
        return nullptr;
    const QString text = latin(name);
    if (TppCommunicator* found = owner->FindUserName(text))
        if (!dynamic_cast<const TraCodeModule*>(found))
            return found;
    // Templates that store no user names name the component itself.
    OwnedComponent* form = owner->Owner() ? owner->Owner() : owner;
    if (auto* named = dynamic_cast<TppCommunicator*>(form->FindComponent(text)))
        if (!dynamic_cast<const TraCodeModule*>(named))
            return named;
    return TppDataPipeline::FindByName(form, text);
}

// ---- compiling and running -------------------------------------------------

bool TraCodeModule::compileAll(bool raiseOnFailure) {
    if (compilingAll_)
        return false;
    compilingAll_ = true;
    std::vector<TraProgram*> failed;
    const auto compileOne = [&](TraProgram* program) {
        // A part the module has no source for has nothing to compile.
        if (!program->source().isEmpty() && !program->compile(true))
            failed.push_back(program);
    };
    compileOne(constants_.get());
    compileOne(variables_.get());
    // A routine that calls one further down the list compiles on the second pass.
    std::vector<TraProgram*> retry;
    for (const std::unique_ptr<TraProgram>& routine : routines_)
        if (!routine->compile(true))
            retry.push_back(routine.get());
    for (TraProgram* routine : retry)
        if (!routine->compile(true))
            failed.push_back(routine);
    compileOne(start_.get());
    compileOne(end_.get());
    for (const std::unique_ptr<TraEventHandler>& handler : handlers_)
        compileOne(handler.get());
    compilingAll_ = false;
    if (raiseOnFailure && !failed.empty())
        throw ECodeError(LanguageStringFmt(kMsgCouldNotCompile, {latin(failed.front()->programName())}));
    return failed.empty();
}

namespace {

[[noreturn]] void raiseRunFailure(const TraProgram& program, const QString& cause) {
    throw ECodeError(LanguageStringFmt(kMsgCouldNotRun, {latin(program.programName())}) + u'\n' + cause);
}

} // namespace

TraValue TraCodeModule::runProgram(TraProgram& program) {
    RunScope scope(*this);
    try {
        return program.execute();
    } catch (const TraStopped&) {
        if (runDepth_ > 1)
            throw;
        return {};
    } catch (const ECodeError&) {
        throw; // a nested handler's failure already names its program
    } catch (const EPagewrightError& error) {
        raiseRunFailure(program, error.message());
    } catch (const std::exception& error) {
        raiseRunFailure(program, QString::fromLocal8Bit(error.what()));
    }
}

void TraCodeModule::runHandler(TraEventHandler& handler, TppEventParams* params) {
    if (!handler.isCompiled())
        return;
    RunScope scope(*this);
    try {
        TraProgram::Activation activation(handler);
        const int count = handler.parameterCount();
        for (int i = 0; i < count; ++i)
            if (params && i < params->size())
                eventArgumentIn(params->at(i), handler.parameter(i)->value, environment_);
        handler.runBody();
        if (params)
            for (int i = 0; i < count && i < params->size(); ++i)
                if (handler.isVarParameter(i))
                    eventArgumentOut(handler.parameter(i)->value, (*params)[i], environment_);
    } catch (const TraStopped&) {
        if (runDepth_ > 1)
            throw;
    } catch (const ECodeError&) {
        throw;
    } catch (const EPagewrightError& error) {
        raiseRunFailure(handler, error.message());
    } catch (const std::exception& error) {
        raiseRunFailure(handler, QString::fromLocal8Bit(error.what()));
    }
}

void TraCodeModule::startRun() {
    if (running_)
        return;
    running_ = true;
    try {
        freeLostHandlers();
        compileAll(true);
        for (TraProgram* program : {constants_.get(), variables_.get(), start_.get()})
            if (program->isCompiled())
                runProgram(*program);
    } catch (...) {
        running_ = false;
        throw;
    }
}

void TraCodeModule::endRun() {
    if (!running_)
        return;
    running_ = false;
    if (end_->isCompiled())
        runProgram(*end_);
}

void TraCodeModule::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppReportModule::EventNotify(sender, kind, params);
    if (sender != subscribedReport_)
        return;
    if (kind == ciReportGenerationStart)
        startRun();
    else if (kind == ciReportGenerationEnd)
        endRun();
}

// ---- binding ---------------------------------------------------------------

void TraCodeModule::dropHandler(TraEventHandler* handler, const QString& warning) {
    warnings_ << warning;
    if (TppCustomReport* owner = report())
        owner->Warn(warning);
    const auto it =
        std::find_if(handlers_.begin(), handlers_.end(),
                     [&](const std::unique_ptr<TraEventHandler>& h) { return h.get() == handler; });
    if (it != handlers_.end())
        handlers_.erase(it);
}

void TraCodeModule::handlerLostObject(TraEventHandler* handler) {
    // The handler is in the middle of its listener's notification: it is
    // moved aside now and freed at the next safe point.
    const auto it =
        std::find_if(handlers_.begin(), handlers_.end(),
                     [&](const std::unique_ptr<TraEventHandler>& h) { return h.get() == handler; });
    if (it == handlers_.end())
        return;
    lost_.push_back(std::move(*it));
    handlers_.erase(it);
}

void TraCodeModule::freeLostHandlers() {
    lost_.clear();
}

void TraCodeModule::bindAll() {
    if (!report())
        return;
    freeLostHandlers();
    warnings_.clear();
    // Dropping a handler changes the list: walk a copy.
    std::vector<TraEventHandler*> handlers;
    for (const std::unique_ptr<TraEventHandler>& handler : handlers_)
        handlers.push_back(handler.get());
    for (TraEventHandler* handler : handlers) {
        const QByteArray name = handler->componentName();
        const QByteArray eventName = handler->eventName();
        TppCommunicator* object = findHandlerObject(name, &handler->componentName_);
        if (!object) {
            dropHandler(handler,
                        QStringLiteral("Unable to load %1 code for %2, no object with this name found.")
                            .arg(latin(eventName), latin(name)));
            continue;
        }
        if (eventName.isEmpty() || !TraClassManager::hasEvent(object->classInfo(), eventName)) {
            dropHandler(handler,
                        QStringLiteral("Unable to load %1 code for %2, \r\n%1 is not a valid event for a %3.")
                            .arg(latin(eventName), latin(handler->componentName()), object->className()));
            continue;
        }
        handler->bind();
    }
}

void TraCodeModule::subscribeToReport(TppCustomReport* report) {
    if (report == subscribedReport_)
        return;
    if (subscribedReport_)
        subscribedReport_->UnsubscribeEvents(this);
    subscribedReport_ = report;
    if (report)
        report->SubscribeEvents(this);
}

void TraCodeModule::SetParent(TppRelative* parent) {
    TppCustomReport* before = report();
    TppReportModule::SetParent(parent);
    subscribeToReport(report());
    // A template load moves the module, with the layout, from the report read
    // to the report that keeps it: handlers of the report's own events follow.
    // The other objects move with it and keep their subscriptions.
    if (before && report() && before != report())
        for (const std::unique_ptr<TraEventHandler>& handler : handlers_)
            if (handler->object() == before)
                handler->retarget(report());
}

void TraCodeModule::Loaded() {
    TppReportModule::Loaded();
    subscribeToReport(report());
    compileAll(false);
    bindAll();
}

// ---- stored form -----------------------------------------------------------

QByteArray TraCodeModule::programStream() const {
    std::vector<TraStoredProgram> stored;
    const auto add = [&](const TraProgram& program, const char* className) {
        if (program.source().isEmpty())
            return;
        TraStoredProgram s;
        s.className = className;
        s.childType = program.childType;
        s.isFunctionType = program.programType() == ttFunction;
        s.hidden = program.hidden;
        s.locked = program.locked;
        s.programName = program.programName();
        s.programType = program.programType() == ttFunction    ? "ttFunction"
                        : program.programType() == ttProcedure ? "ttProcedure"
                                                               : "";
        s.source = program.source();
        s.sourceModified = program.sourceModified();
        if (auto* handler = dynamic_cast<const TraEventHandler*>(&program)) {
            s.componentName = handler->componentName();
            s.eventName = handler->eventName();
            s.eventID = handler->eventID();
        }
        stored.push_back(std::move(s));
    };
    add(*constants_, "TraConstProgram");
    add(*variables_, "TraVarProgram");
    add(*start_, "TraProgram");
    add(*end_, "TraProgram");
    for (const std::unique_ptr<TraProgram>& routine : routines_)
        add(*routine, "TraProgram");
    for (const std::unique_ptr<TraEventHandler>& handler : handlers_)
        add(*handler, "TraEventHandler");
    return writeProgramStream(stored);
}

void TraCodeModule::setProgramStream(const QByteArray& stream) {
    const std::vector<TraStoredProgram> stored = readProgramStream(stream);
    clearPrograms();
    constants_->setSource({});
    variables_->setSource({});
    for (const TraStoredProgram& s : stored) {
        const TraTokenType type = s.programType.compare("ttFunction", Qt::CaseInsensitive) == 0 ? ttFunction
                                  : s.programType.isEmpty()                                     ? ttUnknown
                                                                                                : ttProcedure;
        TraProgram* program = nullptr;
        if (s.className.compare("TraEventHandler", Qt::CaseInsensitive) == 0) {
            handlers_.push_back(std::make_unique<TraEventHandler>());
            TraEventHandler& handler = *handlers_.back();
            handler.setModule(this);
            handler.setLoading(true);
            handler.setComponentName(s.componentName);
            handler.setEventName(s.eventName);
            handler.setStoredEventID(s.eventID);
            handler.setLoading(false);
            program = &handler;
        } else if (s.className.compare("TraConstProgram", Qt::CaseInsensitive) == 0 ||
                   s.childType == kGlobalConstants) {
            program = constants_.get();
        } else if (s.className.compare("TraVarProgram", Qt::CaseInsensitive) == 0 ||
                   s.childType == kGlobalVariables) {
            program = variables_.get();
        } else if (s.childType == kStartProgram) {
            program = start_.get();
        } else if (s.childType == kEndProgram) {
            program = end_.get();
        } else {
            program = &addRoutine({});
        }
        program->setSource(s.source);
        program->setStoredName(s.programName, type);
        program->hidden = s.hidden;
        program->locked = s.locked;
    }
}

// ---- names -----------------------------------------------------------------

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

void registerScriptClasses() {
    registerScriptBridge();
    ClassRegistry::instance().registerClass(TraCodeModule::staticClassInfo());
}
