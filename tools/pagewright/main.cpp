#include "ArchiveCommand.h"
#include "BarcodeCommand.h"
#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "HeadlessPlatform.h"
#include "LanguageModules.h"
#include "PagewrightCommand.h"
#include "RenderCommand.h"
#include "ResaveCommand.h"
#include "ScriptCommand.h"
#include "TppPrinterSetup.h"

#include <QLocale>

#include <QGuiApplication>
#include <cstdio>
#include <vector>

namespace {

// Every subcommand, in the order --help lists them.
const std::vector<PagewrightCommand>& commands() {
    static const std::vector<PagewrightCommand> all = {
        {"script", "pagewright script FILE [--report TEMPLATE] [--script-timeout SECONDS]", runScriptCommand},
        barcodeCommand,
        convertCommand,
        checkCommand,
        renderCommand,
        archiveCommand,
        resaveCommand,
    };
    return all;
}

QString usage() {
    QString text = QStringLiteral("Usage:\n");
    for (const PagewrightCommand& command : commands())
        text += QStringLiteral("  %1\n").arg(
            QString::fromUtf8(command.synopsis).replace(u'\n', QStringLiteral("\n  ")));
    text += QStringLiteral("  pagewright --help\n");
    return text;
}

} // namespace

int main(int argc, char** argv) {
    // pagewright never opens a window; it draws pages off screen.
    prepareHeadlessPlatform();
    QGuiApplication app(argc, argv);
    const LanguageModuleRegistration printTexts(kPrintLanguageModule);
    // A template that names no paper takes the locale's: Letter with a decimal point, else A4.
    TppPrinterSetup::SetLocaleDecimalSeparator(QLocale::system().decimalPoint().front());
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString name = arguments.value(0);
    if (name.isEmpty() || name == u"--help" || name == u"-h") {
        out << usage();
        return name.isEmpty() ? 2 : 0;
    }
    for (const PagewrightCommand& command : commands())
        if (name == QLatin1String(command.name))
            return command.run(arguments.mid(1), out, err);
    err << "pagewright: unknown command \"" << name << "\"\n\n" << usage();
    return 2;
}
