#pragma once

// Installs the report template, so that every report created from now on
// can load and save its layout.
void registerTemplateClasses();
