#include "TraSystemFunction.h"

#include <QCoreApplication>
#include <QThread>

namespace {

void messageBeep(TraBuiltinCall& call) {
    if (call.environment.beep)
        call.environment.beep();
}

// A report may generate on a worker thread, but message boxes belong to the
// application's thread: the message is shown there while the script waits.
void showMessage(TraBuiltinCall& call) {
    Prompter* prompter = call.environment.prompter;
    if (!prompter)
        return;
    const QString text = QString::fromLatin1(call.string(0));
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread())
        QMetaObject::invokeMethod(
            application, [prompter, &text] { prompter->showMessage(text); }, Qt::BlockingQueuedConnection);
    else
        prompter->showMessage(text);
}

} // namespace

void appendUtilityFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::Utility;
    list.push_back({"MessageBeep", g, "procedure MessageBeep;", messageBeep});
    list.push_back({"ShowMessage", g, "procedure ShowMessage(const Msg: string);", showMessage});
}
