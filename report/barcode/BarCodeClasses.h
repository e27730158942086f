#pragma once

// Registers the barcode components (and the layers below) with the
// ClassRegistry, so that templates create them by class name, and the
// drawing of barcode commands with the raster devices. Registering again
// is harmless.
void registerBarCodeClasses();
