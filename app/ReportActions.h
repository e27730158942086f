#pragma once

#include "ReportHeader.h"

#include <QString>

// What the window's report commands ask of the report engine once their checks
// have passed: load the template, then preview it with the header values, or
// open it in the designer.
class ReportActions {
public:
    virtual ~ReportActions() = default;
    virtual void loadTemplate(const QString& path) = 0;
    virtual void preview(const ReportHeader& header) = 0;
    virtual void design(const QString& path) = 0;
};
