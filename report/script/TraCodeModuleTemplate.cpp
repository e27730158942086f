#include "TraCodeModuleTemplate.h"

#include "ClassBuilder.h"
#include "LanguageStringNumbers.h"
#include "PagewrightErrors.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "TraCodeModule.h"
#include "TraProgramStream.h"

const ClassInfo& TraCodeModuleTemplate::staticClassInfo() {
    static const ClassInfo info = describeClass<TraCodeModuleTemplate>(
        "TraCodeModuleTemplate", &TppTemplate::staticClassInfo(), [](auto&) {});
    return info;
}

TraCodeModuleTemplate::TraCodeModuleTemplate(TraCodeModule& module) : TppTemplate(&module), module_(module) {}

QString TraCodeModuleTemplate::FileFilter() const {
    return LanguageString(kMsgReportCodeFile) + QStringLiteral(" (*.ctm)|*.ctm");
}

void TraCodeModuleTemplate::New() {
    FireOnNew();
    replacePrograms({});
    SetDescription(QString());
}

void TraCodeModuleTemplate::BeginLoad() {
    const TppCustomReport* report = module_.report();
    if (module_.isRunning() || (report && report->Printing()))
        throw ETemplateLoadError(QStringLiteral("Cannot load code while the report is printing."));
    imported_.clear();
}

void TraCodeModuleTemplate::CheckStreamObjects(const std::vector<StreamObject>& objects) {
    RequireOneObject(objects, TraCodeModule::staticClassInfo(), QStringLiteral("code module"));
}

void TraCodeModuleTemplate::ComponentsRead(const ReadResult& result) {
    // The module read is only a carrier of its programs.
    const auto* read = dynamic_cast<const TraCodeModule*>(result.components.value(0));
    const QByteArray stream = read ? read->programStream() : QByteArray();
    qDeleteAll(result.components);
    if (!read)
        throw ETemplateLoadError(QStringLiteral("The template holds no code module."));
    std::vector<TraStoredProgram> programs = readProgramStream(stream);
    if (module_.report()) {
        std::erase_if(programs, [this](const TraStoredProgram& program) {
            const QByteArray& name = program.componentName;
            if (program.className != "TraEventHandler" || module_.findHandlerObject(name))
                return false;
            if (!ignoreReadError(
                    QStringLiteral("Unable to import %1 code for %2, no object with this name found.")
                        .arg(QString::fromLatin1(program.eventName), QString::fromLatin1(name))))
                throw ETemplateLoadError(QStringLiteral("Unable to import code module."));
            return true;
        });
    }
    imported_ = writeProgramStream(programs);
}

void TraCodeModuleTemplate::EndLoad(bool succeeded) {
    if (succeeded)
        replacePrograms(imported_);
    imported_.clear();
}

void TraCodeModuleTemplate::replacePrograms(const QByteArray& stream) {
    module_.setProgramStream(stream);
    module_.compileAll(false);
    module_.bindAll();
    if (TppCustomReport* report = module_.report())
        report->SetModified(true);
}

void TraCodeModuleTemplate::Warn(const QString& text) const {
    if (TppCustomReport* report = module_.report())
        report->Warn(text);
}
