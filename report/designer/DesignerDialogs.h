#pragma once

#include <QString>

class QWidget;

// What the designer window asks the user. The window passes message boxes
// and file dialogs; tests answer from a script.
class DesignerDialogs {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~DesignerDialogs() = default;
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // A file to open or to save to; empty when the user cancels. `filter`
    // is a template's filter ("Report file (*.rtm)|*.rtm").
    virtual QString openFileName(const QString& filter, const QString& current) = 0;
    virtual QString saveFileName(const QString& filter, const QString& current) = 0;
    virtual void showMessage(const QString& text) = 0;
};

// Message boxes and file dialogs over the designer window.
class QtDesignerDialogs final : public DesignerDialogs {
public:
    explicit QtDesignerDialogs(QWidget* parent) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    Answer askYesNoCancel(const QString& text) override;
    QString openFileName(const QString& filter, const QString& current) override;
    QString saveFileName(const QString& filter, const QString& current) override;
    void showMessage(const QString& text) override;

private:
    QWidget* parent_;
};
