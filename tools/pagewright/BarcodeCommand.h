#pragma once

#include "PagewrightCommand.h"

// `pagewright barcode TYPE DATA [--addon CODE] [--no-check-digit]`: prints the
// check digit, the human-readable text and the bar pattern of one symbol.
int runBarcodeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

extern const PagewrightCommand barcodeCommand;
