#pragma once

// Enters the designer component in the class registry, so that forms and
// scripts know its published settings, and lets scripts reach the open
// designer windows.
void registerDesignerClasses();
