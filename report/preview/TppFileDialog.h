#pragma once

#include "TppCustomFileDialog.h"

#include <QStringList>

class QWidget;

// The toolkit's open and save dialogs behind the report engine's file
// dialog. Qt has no read-only check box to hide, and its save dialog
// already insists on an existing folder.
class TppFileDialog : public TppCustomFileDialog {
public:
    explicit TppFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    void Show() override { ShowModal(); }
    bool ShowModal() override;
    void Close() override {}

    // "Report file (*.rtm)|*.rtm|Text (*.txt;*.rtm)|*.txt;*.rtm" as Qt's
    // name filters; a description that does not end with its patterns in
    // brackets gets them.
    static QStringList NameFilters(const QString& filter);

private:
    QWidget* parent_;
};
