#pragma once

// Registers the report model's classes with the ClassRegistry, so that
// templates can create bands, groups and reports by class name. Called once
// at start-up by whoever reads templates; registering again is harmless.
void registerReportModelClasses();
