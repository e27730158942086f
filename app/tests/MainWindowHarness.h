#pragma once

#include "FixedClock.h"
#include "RecordingPrompter.h"
#include "TfrmMain.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class RecordingReports final : public ReportActions {
public:
    void loadTemplate(const QString& path) override { loaded << path; }
    void preview(const ReportHeader& header) override { previewed.push_back(header); }
    void design(const QString& path) override { designed << path; }
    QStringList loaded;
    std::vector<ReportHeader> previewed;
    QStringList designed;
};

// The main window over recorders, with a temporary folder as the program's
// folder and "Documents" in it as the user's documents. Tests may change
// `services` before they open the window.
struct MainWindowHarness {
    MainWindowHarness() {
        services.prompter = &prompter;
        services.clock = &clock;
        services.appDir = dir.path();
        services.settings = FormatSettings::invariant();
        services.openTarget = [this](const QUrl& target) {
            opened << target.toString();
            return openerSucceeds;
        };
        services.reports = &reports;
        services.documentsDir = dir.filePath(QStringLiteral("Documents"));
    }

    void openWindow() { window = std::make_unique<TfrmMain>(services); }
    template <typename T> T* child(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* label) { return child<QLabel>(label)->text(); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void click(const char* button) { child<QPushButton>(button)->click(); }

    QTemporaryDir dir;
    RecordingPrompter prompter;
    FixedClock clock;
    RecordingReports reports;
    QStringList opened; // what the desktop's opener was handed
    bool openerSucceeds = true;
    MainWindowServices services;
    std::unique_ptr<TfrmMain> window;
};
