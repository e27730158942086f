#include "DesignerDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// "Report file (*.rtm)|*.rtm" as a Qt filter: "Report file (*.rtm)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2)
        filters << parts.at(index);
    return filters.join(QStringLiteral(";;"));
}

} // namespace

DesignerDialogs::Answer QtDesignerDialogs::askYesNoCancel(const QString& text) {
    const auto answer = QMessageBox::question(parent_, QStringLiteral("Confirm"), text,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return answer == QMessageBox::Yes ? Answer::Yes : answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QString QtDesignerDialogs::openFileName(const QString& filter, const QString& current) {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Open"), current, qtFilter(filter));
}

QString QtDesignerDialogs::saveFileName(const QString& filter, const QString& current) {
    return QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), current, qtFilter(filter));
}

void QtDesignerDialogs::showMessage(const QString& text) {
    QMessageBox::information(parent_, QStringLiteral("Pagewright"), text);
}
