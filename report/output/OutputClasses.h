#pragma once

// Registers the output layer's classes (and the page document's beneath
// them) with the ClassRegistry, so that archives and templates can create
// pages, draw commands, page requests and reports by class name. Registering again is harmless.
void registerOutputClasses();
