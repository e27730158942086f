#pragma once

// Registers pages and draw commands with the ClassRegistry, so that archives
// can create them by class name. Registering again is harmless.
void registerPageClasses();
