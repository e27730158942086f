#pragma once

#include <functional>

class QWidget;

// Registers the dialogs report templates ask through: the open and save
// file dialogs, the dialog that chooses a template stored in a database,
// and the one asked about read errors. `parent` gives the window they
// belong to when they open; none leaves them on their own.
void registerTemplateDialogs(std::function<QWidget*()> parent = {});
void unregisterTemplateDialogs();
