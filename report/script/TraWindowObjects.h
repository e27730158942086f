#pragma once

#include "Persistent.h"

#include <QByteArray>
#include <QString>
#include <functional>

// What a script sees of one of the program's windows (a preview, a dialog,
// the designer): its caption and how it was closed. The window's own layer
// owns it and says what it answers.
class TraForm final : public Persistent {
public:
    PW_CLASS_INFO

    std::function<QString()> caption;
    std::function<int()> modalResult;
};

// The windows, dialogs and designer objects scripts may name (a report's
// PreviewForm, a component's DesignControl ...). None of them lives in the
// headless layers: the layer that shows one hands on, per member name, the
// object that stands for it now; with no such layer the member is nil.
namespace TraWindowObjects {
// What stands for the window `member` names on `owner` now; nil when none is open.
using Source = std::function<Persistent*(Persistent& owner)>;
// Replaces the source of `member`; an empty one withdraws it.
void setSource(const QByteArray& member, const Source& source);
Persistent* find(const QByteArray& member, Persistent& owner);
} // namespace TraWindowObjects
