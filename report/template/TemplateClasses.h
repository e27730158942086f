#pragma once

// Installs the report template, so that every report created from now on
// can load and save its layout, and the archive device, which stores pages
// as component streams.
void registerTemplateClasses();
