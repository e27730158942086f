#pragma once

class QWidget;
class TppPrinter;

// The printer's properties through Qt's page set-up dialog: the paper and
// orientation chosen there become the printer's job settings, so that the
// printer's CurrentSetup() carries them. True when confirmed.
bool showPrinterProperties(QWidget* parent, TppPrinter& printer);
