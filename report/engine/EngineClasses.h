#pragma once

// Registers the engine layer's component classes (and the layers below)
// with the ClassRegistry, so that templates create them by class name.
// Registering again is harmless.
void registerEngineClasses();
