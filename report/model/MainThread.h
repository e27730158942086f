#pragma once

// Code that must touch user-interface objects asks first. True on the
// program's main thread, and on any thread while sanctioned background work
// runs (the outline dialog's preview generates on a worker thread and hands
// its pages over synchronously).
bool IsMainThread();

// Marks background work as sanctioned for its lifetime.
class BackgroundWorkScope {
public:
    BackgroundWorkScope();
    ~BackgroundWorkScope();
    BackgroundWorkScope(const BackgroundWorkScope&) = delete;
    BackgroundWorkScope& operator=(const BackgroundWorkScope&) = delete;
};
