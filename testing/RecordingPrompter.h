#pragma once

#include "Prompter.h"

#include <QStringList>

// Keeps every message shown, so that tests read the exact texts.
class RecordingPrompter final : public Prompter {
public:
    void showMessage(const QString& text) override { messages << text; }
    QStringList messages;
};
