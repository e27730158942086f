#pragma once

// Registers the standard search dialog for reports that ask for their
// criteria's values before they print.
void registerAutoSearchDialog();
void unregisterAutoSearchDialog();
