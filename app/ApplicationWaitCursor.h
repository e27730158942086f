#pragma once

#include "BusyCursor.h"

// The window's busy cursor while a template is read or written: the application's wait cursor
// over every window, put back when the template is done (also after an error).
class ApplicationWaitCursor final : public BusyCursor {
public:
    void show() override;
    void restore() override;
};
