#pragma once

#include "TppPreviewFormSettings.h"

#include <Qt>

// A window's states with its minimized and maximized flags set as the
// report's window state says; the other flags (full screen, active) stay.
Qt::WindowStates withWindowState(Qt::WindowStates current, TppWindowState state);

// The report's window state of a window in these states.
TppWindowState windowStateOf(Qt::WindowStates states);
