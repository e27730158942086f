#pragma once

class Prompter;

// Registers the standard print, cancel and no-data dialogs for the report's
// print jobs. Refusals of the print dialog (no pages, no file name) go to
// `prompter`.
void registerPrintDialogs(Prompter* prompter);
void unregisterPrintDialogs();
