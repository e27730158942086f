#pragma once

// Registers the data layer's classes (pipelines, fields, links, data
// sources) with the ClassRegistry, after the report model's.
void registerDataPipelineClasses();
