#pragma once

// Prepares the process for drawing pages without a window system, before the
// QGuiApplication is created: the offscreen platform unless one was chosen,
// and a private runtime folder when the session has none, so that command-line
// tools keep standard error for their own messages.
void prepareHeadlessPlatform();
