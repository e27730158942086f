#pragma once

#include "Prompter.h"

#include <QList>
#include <QStringList>
#include <QThread>

// Keeps every message shown, and the thread it was shown on, so that tests read the exact texts
// and see that messages reach the thread the window lives on.
class RecordingPrompter final : public Prompter {
public:
    void showMessage(const QString& text) override {
        messages << text;
        threads << QThread::currentThread();
    }
    QStringList messages;
    QList<QThread*> threads;
};
