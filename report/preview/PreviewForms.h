#pragma once

#include <functional>

class Prompter;

// What the preview windows are given by the program that registers them.
struct PreviewEnvironment {
    // Where errors of preview commands and jobs go; none logs them.
    Prompter* prompter = nullptr;
    // The message pump during jobs; none uses the application's.
    std::function<void()> processMessages;
};

// Registers the standard preview window for TppCustomPreviewer.
void registerPreviewForms(const PreviewEnvironment& environment = {});
void unregisterPreviewForms();
