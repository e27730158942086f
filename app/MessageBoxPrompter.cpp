#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxPrompter::showMessage(const QString& text) {
    const QString title = parent_ ? parent_->window()->windowTitle() : QApplication::applicationDisplayName();
    QMessageBox::information(parent_, title, text);
}
