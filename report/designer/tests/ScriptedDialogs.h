#pragma once

#include "DesignerDialogs.h"

#include <QStringList>

// Answers the window's questions from a script and records what it said.
class ScriptedDialogs : public DesignerDialogs {
public:
    Answer askYesNoCancel(const QString& text) override {
        asked << text;
        return answer;
    }
    QString openFileName(const QString&, const QString&) override { return openFile; }
    QString saveFileName(const QString&, const QString&) override {
        ++saveAsked;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }
    void showMessage(const QString& text) override { messages << text; }

    Answer answer = Answer::No;
    QString openFile;
    QStringList saveFiles;
    int saveAsked = 0;
    QStringList asked;
    QStringList messages;
};
