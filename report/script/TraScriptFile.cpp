#include "TraScriptFile.h"

#include "PagewrightErrors.h"
#include "TraCodeModule.h"
#include "TraParser.h"

#include <memory>

namespace {

bool isWordByte(char c) {
    const quint8 b = quint8(c);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '_' || b >= 128;
}

bool startsProgram(const QByteArray& file, qsizetype lineStart) {
    for (const char* word : {"procedure", "function"}) {
        const qsizetype length = qsizetype(qstrlen(word));
        if (file.mid(lineStart, length).compare(word, Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype after = lineStart + length;
        if (after >= file.size() || !isWordByte(file[after]))
            return true;
    }
    return false;
}

QByteArray programName(const QByteArray& source) {
    TraParser parser;
    parser.parse(source);
    const std::vector<TraToken>& tokens = parser.tokens();
    if (tokens.size() >= 2 && (tokens[0].type == ttProcedure || tokens[0].type == ttFunction) &&
        tokens[1].type == ttIdentifier)
        return tokens[1].text;
    return {};
}

class WritingPrompter final : public Prompter {
public:
    explicit WritingPrompter(const std::function<void(const QByteArray&)>& write) : write_(write) {}
    void showMessage(const QString& text) override { write_(text.toLatin1() + '\n'); }

private:
    const std::function<void(const QByteArray&)>& write_;
};

} // namespace

std::vector<TraScriptChunk> splitScriptFile(const QByteArray& file) {
    std::vector<qsizetype> starts;
    qsizetype line = 0;
    while (line < file.size()) {
        if (startsProgram(file, line))
            starts.push_back(line);
        qsizetype end = line;
        while (end < file.size() && file[end] != '\n' && file[end] != '\r')
            ++end;
        if (end < file.size() && file[end] == '\r' && end + 1 < file.size() && file[end + 1] == '\n')
            ++end;
        line = end + 1;
    }
    std::vector<TraScriptChunk> chunks;
    for (size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : file.size();
        const QByteArray source = file.mid(starts[i], end - starts[i]);
        chunks.push_back({programName(source), source});
    }
    return chunks;
}

int runScriptFile(const QByteArray& file, TraEnvironment environment,
                  const std::function<void(const QByteArray&)>& write, TraCodeModule* reportModule) {
    WritingPrompter prompter(write);
    std::unique_ptr<TraCodeModule> ownModule;
    if (!reportModule)
        ownModule = std::make_unique<TraCodeModule>();
    TraCodeModule& module = reportModule ? *reportModule : *ownModule;
    environment.prompter = &prompter;
    module.setEnvironment(std::move(environment));

    const std::vector<TraScriptChunk> chunks = splitScriptFile(file);
    std::vector<TraProgram*> programs;
    for (const TraScriptChunk& chunk : chunks) {
        TraProgram* program = nullptr;
        if (chunk.name.compare("GlobalVars", Qt::CaseInsensitive) == 0) {
            program = &module.globalVariables();
            program->setSource(chunk.source);
        } else if (chunk.name.compare("GlobalConsts", Qt::CaseInsensitive) == 0) {
            program = &module.globalConstants();
            program->setSource(chunk.source);
        } else {
            program = &module.addRoutine(chunk.source);
        }
        programs.push_back(program);
    }

    // The report's own programs may fail on their own; the file's decide.
    module.compileAll(false);
    bool failed = false;
    for (size_t n = 0; n < programs.size(); ++n)
        if (!programs[n]->isCompiled() && !programs[n]->source().isEmpty())
            for (const TraSyntaxError& error : programs[n]->syntaxErrors()) {
                write("Program " + QByteArray::number(qulonglong(n + 1)) + " (" +
                      QByteArray::number(error.lineNo) + "," + QByteArray::number(error.charPos) +
                      "): " + error.msg.toLatin1() + '\n');
                failed = true;
            }
    if (failed)
        return 1;

    try {
        for (TraProgram* declarations : {&module.globalConstants(), &module.globalVariables()})
            if (declarations->isCompiled())
                module.runProgram(*declarations);
        TraProgram* main = module.findGlobalRoutine("Main");
        if (!main) {
            write("Runtime error: there is no routine named Main\n");
            return 1;
        }
        module.runProgram(*main);
    } catch (const ECodeError& error) {
        write("Runtime error: " + error.message().toLatin1() + '\n');
        return 1;
    }
    return 0;
}
