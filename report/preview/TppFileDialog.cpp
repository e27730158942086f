#include "TppFileDialog.h"

#include <QFileDialog>

QStringList TppFileDialog::NameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        filters << (description.endsWith(u')') ? description
                                               : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters;
}

bool TppFileDialog::ShowModal() {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(Mode == fdSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Mode == fdOpen && (Options & foFileMustExist) ? QFileDialog::ExistingFile
                                                                     : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Options & foOverwritePrompt));
    dialog.setNameFilters(NameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExtension);
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
