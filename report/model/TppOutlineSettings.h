#pragma once

#include "Persistent.h"

#include <functional>

// Sent to the main report (TppCommunicator::Notify) when the outline
// settings of the report, a group or a subreport change: the report resets,
// so that its next run builds the outline anew.
inline constexpr int ppopOutlineSettingsChanged = 6;

// Whether a report, subreport or group adds entries to the page outline.
// They are kept with the layout whether or not an outline is ever built,
// so templates carry them through unchanged.
class TppOutlineSettings : public Persistent {
public:
    PW_CLASS_INFO

    bool CreateNode() const { return createNode_; }
    void SetCreateNode(bool value);

    // Copies the values, and tells the owner as a change would.
    virtual void Assign(const TppOutlineSettings& source);

    // Run by every change of a value: the owner resets its report, so the
    // next run builds the outline anew. The owner decides to ignore changes
    // made while it is read from a stream.
    std::function<void()> OnChange;

protected:
    template <class T> void change(T& field, T value) {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange();
    }

private:
    bool createNode_ = true;
};

// The report's settings: also page entries, and whether there is an outline at all.
class TppOutlineReportSettings : public TppOutlineSettings {
public:
    PW_CLASS_INFO

    bool CreatePageNodes() const { return createPageNodes_; }
    void SetCreatePageNodes(bool value) { change(createPageNodes_, value); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { change(enabled_, value); }

    void Assign(const TppOutlineSettings& source) override;

private:
    bool createPageNodes_ = true;
    bool enabled_ = true;
};
