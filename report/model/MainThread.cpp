#include "MainThread.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>

namespace {
std::atomic<int> sanctionedWork{0};
}

bool IsMainThread() {
    if (sanctionedWork.load() > 0)
        return true;
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

BackgroundWorkScope::BackgroundWorkScope() {
    ++sanctionedWork;
}
BackgroundWorkScope::~BackgroundWorkScope() {
    --sanctionedWork;
}
