#include "ScriptCommand.h"

#include "TraScriptFile.h"

#include <QFile>

int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1) {
        err << "Usage: pagewright script FILE\n";
        return 2;
    }
    QFile file(arguments[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "pagewright script: cannot read " << arguments[0] << ": " << file.errorString() << "\n";
        return 1;
    }
    // The settings are fixed, not the machine's, so a script prints the same
    // text everywhere.
    TraEnvironment environment;
    environment.settings = FormatSettings::invariant();
    environment.beep = [&err] { err << '\a' << Qt::flush; };
    // Script text is 8-bit: its bytes go out as they are, whatever the encoding.
    auto write = [&out](const QByteArray& bytes) {
        out.flush();
        if (QIODevice* device = out.device())
            device->write(bytes);
        else
            out << QString::fromLatin1(bytes);
    };
    const int status = runScriptFile(file.readAll(), environment, write);
    if (QIODevice* device = out.device())
        if (auto* output = qobject_cast<QFile*>(device))
            output->flush();
    return status;
}
