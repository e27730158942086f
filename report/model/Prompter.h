#pragma once

#include <QString>

// Where messages for the user go. The window passes one that shows message
// boxes; command-line tools print; tests record the exact texts.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void showMessage(const QString& text) = 0;
};
