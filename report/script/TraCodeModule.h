#pragma once

#include "TppReportModule.h"
#include "TraBridgeNodes.h"
#include "TraEnvironment.h"
#include "TraEventHandler.h"
#include "TraProgram.h"
#include "TraScriptObjects.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <memory>
#include <optional>
#include <vector>

class TppCustomReport;
class TraCodeModuleTemplate;

// Holds the programs of one report's scripts and what they share: the global
// constants program, the global variables program, the start and end
// programs, the global procedures and functions, and the event handlers bound
// to the report's objects. It resolves the names programs share (report
// objects by user name among them), compiles them in an order that lets a
// routine call one further down the list, and runs them: the globals and the
// start program when its report starts generating, the end program when it
// is done. Templates store it in the report as "ProgramStream".
class TraCodeModule final : public TppReportModule, public TraObjectFinder {
public:
    PW_CLASS_INFO

    explicit TraCodeModule(OwnedComponent* owner = nullptr);
    ~TraCodeModule() override;
    TraCodeModule(const TraCodeModule&) = delete;
    TraCodeModule& operator=(const TraCodeModule&) = delete;

    // Saves the module alone and loads it from elsewhere ("ctm" files).
    TraCodeModuleTemplate& Template() { return *template_; }

    TraEnvironment& environment() { return environment_; }
    const TraEnvironment& environment() const { return environment_; }
    // Replaces the environment, keeping the module's own loop hook (the
    // message pump, the stop flag and the time limit) and its objects.
    void setEnvironment(TraEnvironment environment);

    // The module of the enclosing report, whose globals this one sees.
    void setParent(TraCodeModule* parent) { parent_ = parent; }

    TraProgram& globalConstants() { return *constants_; }
    TraProgram& globalVariables() { return *variables_; }
    TraProgram& startProgram() { return *start_; }
    TraProgram& endProgram() { return *end_; }
    TraProgram& addRoutine(const QByteArray& source);
    const std::vector<std::unique_ptr<TraProgram>>& routines() const { return routines_; }
    // A handler of `eventName` for the object named `componentName`; its
    // source is the default one unless given.
    TraEventHandler& addEventHandler(const QByteArray& componentName, const QByteArray& eventName,
                                     const QByteArray& source = {});
    const std::vector<std::unique_ptr<TraEventHandler>>& eventHandlers() const { return handlers_; }

    // Compiles the constants, the variables, then the routines; the routines
    // that failed get a second pass; then the start and end programs and the
    // handlers. With `raiseOnFailure` a program that does not compile raises
    // ECodeError "Could not compile program: <name>". Answers whether every
    // program compiled.
    bool compileAll(bool raiseOnFailure = false);
    // Runs a program; a failure inside raises ECodeError naming it, with the
    // cause on a second line.
    TraValue runProgram(TraProgram& program);
    // Binds every handler to its object; a handler whose object cannot be
    // found (also under its name minus the last character, as older tools
    // numbered them) or whose event the object lacks is dropped with a warning.
    void bindAll();
    // What bindAll warned about, in order (also given to the report's Warn).
    const QStringList& warnings() const { return warnings_; }
    bool isRunning() const { return running_; }

    // The report this module belongs to, or none.
    TppCustomReport* report() const;
    // The report's object of that user name, or a data pipeline of that name.
    TppCommunicator* findReportObject(const QByteArray& name) const override;
    // The object a handler stored for `name` binds to: that name, or, as
    // older tools numbered them ("Label1" for a label named "Label"), the
    // name minus its last character, which `boundName` then holds.
    TppCommunicator* findHandlerObject(const QByteArray& name, QByteArray* boundName = nullptr) const;

    // The stored form: every program's class name and published properties.
    QByteArray programStream() const;
    // Replaces the programs by those of a stored form; a damaged one raises
    // ETemplateLoadError and leaves the module as it was.
    void setProgramStream(const QByteArray& stream);

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

    void SetParent(TppRelative* parent) override;
    void Loaded() override;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    friend class TraEventHandler;

    void startRun();
    void endRun();
    void runHandler(TraEventHandler& handler, TppEventParams* params);
    void dropHandler(TraEventHandler* handler, const QString& warning);
    void handlerLostObject(TraEventHandler* handler);
    void freeLostHandlers();
    void clearPrograms();
    void subscribeToReport(TppCustomReport* report);
    void loopTurn();
    // Counts the runs in progress; the outermost one starts the time limit's clock.
    struct RunScope;

    TraScriptObjects objects_;
    TraEnvironment environment_;
    TraCodeModule* parent_ = nullptr;
    std::unique_ptr<TraProgram> constants_;
    std::unique_ptr<TraProgram> variables_;
    std::unique_ptr<TraProgram> start_;
    std::unique_ptr<TraProgram> end_;
    std::vector<std::unique_ptr<TraProgram>> routines_;
    std::vector<std::unique_ptr<TraEventHandler>> handlers_;
    std::vector<std::unique_ptr<TraEventHandler>> lost_;
    QStringList warnings_;
    TppCustomReport* subscribedReport_ = nullptr;
    bool compilingAll_ = false;
    bool running_ = false;
    int runDepth_ = 0;
    unsigned turns_ = 0;
    qint64 runTurns_ = 0; // of the outermost run in progress
    QElapsedTimer runClock_;
    std::unique_ptr<TraCodeModuleTemplate> template_;
};

// Installs the code module's class for templates and the script bridge's
// descriptions; safe to call more than once.
void registerScriptClasses();
