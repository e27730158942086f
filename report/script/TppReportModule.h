#pragma once

#include "TppRelative.h"

class TppCustomReport;

// A part of a report that is no band, group or component: its code module.
// Its parent is a report or none, so it is written inside its report and read
// back there; a report finds it among its children by class.
class TppReportModule : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppReportModule(OwnedComponent* owner = nullptr);

    TppCustomReport* Report() const;
    bool SetParentComponent(OwnedComponent* parent) override;

    // The report's module of that class, or none.
    static TppReportModule* Find(const TppCustomReport& report, const ClassInfo& moduleClass);
};
