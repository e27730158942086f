#pragma once

#include "Persistent.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>

// What a script sees of one of the program's windows (a preview, a dialog,
// the designer): its caption and how it was closed. The window's own layer
// owns it and says what it answers.
class TraForm final : public Persistent {
public:
    PW_CLASS_INFO

    // Answers for `window` (any dialog or main window): its title and result.
    template <class Window> void follow(const Window& window) {
        caption = [&window] { return window.windowTitle(); };
        if constexpr (requires { window.result(); })
            modalResult = [&window] { return window.result(); };
        else
            modalResult = [] { return 0; };
    }

    std::function<QString()> caption;
    std::function<int()> modalResult;
};

// What a script sees of a control on one of the program's windows (the one
// that draws a component in the designer, a selection's handles): where it
// is on its window, in screen pixels; an empty rectangle once it is gone.
class TraControl final : public Persistent {
public:
    PW_CLASS_INFO

    std::function<QRect()> bounds;
};

// The windows, dialogs and designer objects scripts may name (a report's
// PreviewForm, a component's DesignControl ...). None of them lives in the
// headless layers: the layer that shows one hands on, per member name, the
// object that stands for it now; with no such layer the member is nil.
namespace TraWindowObjects {
// What stands for the window `member` names on `owner` now; nil when none is
// open, and on any thread but the main one.
using Source = std::function<Persistent*(Persistent& owner)>;
// Replaces the source of `member`; an empty one withdraws it.
void setSource(const QByteArray& member, const Source& source);
Persistent* find(const QByteArray& member, Persistent& owner);

// Makes `member` answer the form `openForm` gives on an `Owner`, when that
// form is a `Window`: the TraForm it shows scripts as ScriptForm().
template <class Window, class Owner, class Form>
void shareForm(const QByteArray& member, Form* (Owner::*openForm)() const) {
    setSource(member, [openForm](Persistent& owner) -> Persistent* {
        auto* holder = dynamic_cast<Owner*>(&owner);
        auto* window = holder ? dynamic_cast<Window*>((holder->*openForm)()) : nullptr;
        return window ? &window->ScriptForm() : nullptr;
    });
}
} // namespace TraWindowObjects
