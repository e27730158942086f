#pragma once

#include "Prompter.h"

#include <QPointer>
#include <QWidget>

// Shows each message in a plain modal message box over the given window.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& text) override;

private:
    QPointer<QWidget> parent_;
};
