#pragma once

#include "TppCustomNoDataDialog.h"

#include <QDialog>

class QPushButton;

// Says that a report found no data: a bold message and OK, centred on the screen.
class TppNoDataDialog : public QDialog, public TppCustomNoDataDialog {
public:
    explicit TppNoDataDialog(QWidget* parent = nullptr);

    void Show() override;
    bool ShowModal() override;
    void Close() override;

    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_;
};
