#include "PageDump.h"

#include "TppDrawText.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppPage.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Marks the last line of a paragraph in word-wrapped text.
const QString kParagraphEnd = QStringLiteral("$\u00B6");

QString jsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString shownText(const TppDrawText& text) {
    if (!text.WordWrap)
        return text.Text;
    QStringList lines = text.WrappedText;
    for (QString& line : lines)
        line.remove(kParagraphEnd);
    return lines.join(u'\n');
}

} // namespace

QStringList pageDumpLines(const TppPage& page) {
    QStringList lines{QStringLiteral("page %1 of %2").arg(page.AbsolutePageNo).arg(page.AbsolutePageCount)};
    for (int i = 0; i < page.DrawCommandCount(); ++i) {
        const TppDrawCommand& command = *page.DrawCommand(i);
        QString line = QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(command.className())
                           .arg(command.Left())
                           .arg(command.Top())
                           .arg(command.Width())
                           .arg(command.Height());
        if (const auto* text = dynamic_cast<const TppDrawText*>(&command))
            line += u' ' + jsonString(shownText(*text));
        // Not drawn, but part of the page: its entries, and whether they cover the whole report.
        if (const auto* outline = dynamic_cast<const TppOutlineDrawCommand*>(&command))
            line += QStringLiteral(" %1 %2").arg(
                outline->Completed ? QStringLiteral("complete") : QStringLiteral("so far"),
                jsonString(outline->Tree() ? outline->Tree()->OutlineText() : QString()));
        lines << line;
    }
    return lines;
}
