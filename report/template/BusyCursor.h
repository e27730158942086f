#pragma once

// The screen's busy cursor while a template is read or written. The window
// layer supplies one that sets the application's cursor; without one the
// screen is left alone (command-line tools, tests, worker threads).
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    virtual void show() = 0;
    // Puts back the cursor show() replaced.
    virtual void restore() = 0;
};
