#include "ApplicationWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

void ApplicationWaitCursor::show() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void ApplicationWaitCursor::restore() {
    QGuiApplication::restoreOverrideCursor();
}
