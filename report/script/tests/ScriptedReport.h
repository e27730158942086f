#pragma once

#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "TppDetailBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TraCodeModule.h"

#include <string>

// A report whose generation a test can mark as stopped, as a cancel does.
class StoppableReport : public TppReport {
public:
    using TppReport::TppReport;
    bool GenerationStopped() const override { return stopped; }
    bool stopped = false;
};

// A report with a header band holding Label1 and a detail band, and its code
// module, for scripts that reach report objects.
struct ScriptedReport {
    ScriptedReport() {
        registerEngineClasses();
        registerScriptClasses();
        report = new StoppableReport(&form);
        report->SetUserName(QStringLiteral("Report"));
        header = new TppHeaderBand(&form);
        header->SetReport(report);
        header->SetUserName(QStringLiteral("Header"));
        detail = new TppDetailBand(&form);
        detail->SetReport(report);
        detail->SetUserName(QStringLiteral("Detail"));
        label = new TppLabel(&form);
        label->SetBand(header);
        label->SetUserName(QStringLiteral("Label1"));
        label->SetCaption(QStringLiteral("Hello"));
        module = new TraCodeModule(&form);
        module->SetParent(report);
    }

    // Compiles `source` as a routine of the module and runs it; the first
    // compile error, or the run's error, as text; empty when it ran.
    std::string run(const std::string& source) {
        TraProgram& program = module->addRoutine(QByteArray::fromStdString(source));
        module->compileAll(false);
        if (!program.isCompiled())
            return "compile: " + program.syntaxErrors().front().msg.toStdString();
        try {
            module->runProgram(program);
        } catch (const EPagewrightError& error) {
            return error.message().toStdString();
        }
        return {};
    }

    OwnedComponent form;
    StoppableReport* report;
    TppHeaderBand* header;
    TppDetailBand* detail;
    TppLabel* label;
    TraCodeModule* module;
};
