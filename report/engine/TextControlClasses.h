#pragma once

// Registers the text controls (labels, data-bound texts, memos, rich texts,
// system variables) with the ClassRegistry, and the drawing of rich text
// commands with the raster devices. Registering again is harmless.
void registerTextControlClasses();
