#pragma once

#include <functional>

class DeviceResolution;
class Prompter;

// What the preview windows are given by the program that registers them.
struct PreviewEnvironment {
    // Where errors of preview commands and jobs go; none logs them.
    Prompter* prompter = nullptr;
    // The message pump during jobs; none uses the application's.
    std::function<void()> processMessages;
    // The screen the preview shows on, so that a page at 100 % is as large as on paper; none
    // draws it at the report's 96 screen pixels an inch.
    const DeviceResolution* screen = nullptr;
};

// Registers the standard preview window for TppCustomPreviewer.
void registerPreviewForms(const PreviewEnvironment& environment = {});
void unregisterPreviewForms();
