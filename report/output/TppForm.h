#pragma once

#include "TppIcon.h"

#include <QImage>
#include <QString>
#include <functional>

class TppCommunicator;

// What a report needs of the forms it opens for a print job (preview,
// print dialog, cancel dialog, no-data dialog). The window layer supplies
// the forms; the report reaches them only through the form registry and
// frees any it still holds when the job is cleaned up. A form that frees
// itself must leave OnDestroy to run from this destructor.
class TppForm {
public:
    virtual ~TppForm() {
        if (OnDestroy)
            OnDestroy(this);
    }

    TppCommunicator* Report = nullptr;
    int LanguageIndex = 0;
    // The report's icon for the window; null leaves the program's own.
    QImage Icon;
    std::function<void()> OnActivate;
    std::function<void()> OnClose;
    std::function<void()> OnCancel;
    std::function<void(TppForm*)> OnDestroy;

    // Gives the window that shows the form the report's icon, when it has one.
    template <class Window> void ApplyIcon(Window& window) const { applyWindowIcon(window, Icon); }

    virtual void Show() = 0;
    // True when the form was closed with OK.
    virtual bool ShowModal() = 0;
    virtual void Close() = 0;
};
