#pragma once

#include <QMutex>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class TppPage;
class TppReport;

// What the preview generates with: the outline settings to try, and the
// page to stop at (0: the last page).
struct OutlinePreviewChoices {
    bool enabled = true;
    bool createPageNodes = true;
    // The CreateNode of each participant, in the order the dialog lists them.
    QList<bool> createNodes;
    int pageLimit = 0;
};

// Generates the report on its own thread for the outline settings dialog.
// Pages go to the user-interface thread through `showPage`, which the
// worker waits for; so whoever ends the worker must keep the event loop
// running until it has ended (Stop does both).
class OutlinePreviewWorker : public QThread {
public:
    // `apply` puts choices on the report (and, with none, the settings as
    // they were); it runs on the worker, between generations.
    OutlinePreviewWorker(TppReport& report, std::function<void(const OutlinePreviewChoices*)> apply);
    ~OutlinePreviewWorker() override;

    // Run on the user-interface thread, the worker waiting.
    std::function<void()> clearOutline;
    std::function<void(const TppPage&)> showPage;
    std::function<void()> failed;

    // Generates anew with these choices, dropping a generation that runs.
    void Restart(const OutlinePreviewChoices& choices);
    // Cancels the generation and returns once the worker has ended; pages
    // it hands over meanwhile are still taken, so it never waits in vain.
    void Stop();

protected:
    void run() override;

private:
    class Device;
    void generate(const OutlinePreviewChoices& choices);
    void onUserInterface(const std::function<void()>& step);

    TppReport& report_;
    std::function<void(const OutlinePreviewChoices*)> apply_;
    QMutex mutex_;
    std::unique_ptr<OutlinePreviewChoices> pending_;
    std::atomic<bool> stop_ = false;
};
