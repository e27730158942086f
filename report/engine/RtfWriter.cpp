#include "RtfWriter.h"

#include "RtfLengths.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class RtfComposer {
public:
    explicit RtfComposer(const QTextDocument& document)
        : document_(document), lengthScale_(formatLengthsPerTwip(document)) {}

    QByteArray compose() {
        QByteArray body;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            if (block != document_.begin())
                body += "\\par\n";
            body += paragraph(block.blockFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid())
                    body += run(fragment.charFormat()) + text(fragment.text());
            }
        }
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (qsizetype f = 0; f < fonts_.size(); ++f)
            out += "{\\f" + QByteArray::number(f) + "\\fnil " + text(fonts_[f]) + ";}";
        out += "}\n{\\colortbl ;";
        for (const QColor& color : colors_)
            out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) +
                   "\\blue" + QByteArray::number(color.blue()) + ";";
        out += "}\n" + body + "}\n";
        return out;
    }

private:
    QByteArray twips(qreal length) const { return QByteArray::number(qRound(length / lengthScale_)); }

    QByteArray paragraph(const QTextBlockFormat& format) const {
        QByteArray out = "\\pard";
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignRight)
            out += "\\qr";
        else if (alignment & Qt::AlignHCenter)
            out += "\\qc";
        else if (alignment & Qt::AlignJustify)
            out += "\\qj";
        else
            out += "\\ql";
        const auto length = [this, &out](const char* word, qreal value) {
            if (const QByteArray number = twips(value); number != "0")
                out += QByteArray("\\") + word + number;
        };
        length("li", format.leftMargin());
        length("ri", format.rightMargin());
        length("fi", format.textIndent());
        length("sb", format.topMargin());
        length("sa", format.bottomMargin());
        for (const QTextOption::Tab& tab : format.tabPositions())
            out += "\\tx" + twips(tab.position);
        return out;
    }

    QByteArray run(const QTextCharFormat& format) {
        const QStringList families = format.fontFamilies().toStringList();
        const QString family = families.isEmpty() ? QStringLiteral("Arial") : families.front();
        qsizetype font = fonts_.indexOf(family);
        if (font < 0) {
            font = fonts_.size();
            fonts_ << family;
        }
        const qreal points = format.fontPointSize() > 0 ? format.fontPointSize() : 12;
        QByteArray out =
            "\\plain\\f" + QByteArray::number(font) + "\\fs" + QByteArray::number(qRound(points * 2));
        if (format.fontWeight() >= QFont::Bold)
            out += "\\b";
        if (format.fontItalic())
            out += "\\i";
        if (format.fontUnderline())
            out += "\\ul";
        if (format.fontStrikeOut())
            out += "\\strike";
        if (format.hasProperty(QTextFormat::ForegroundBrush)) {
            const QColor color = format.foreground().color();
            qsizetype index = colors_.indexOf(color);
            if (index < 0) {
                index = colors_.size();
                colors_ << color;
            }
            out += "\\cf" + QByteArray::number(index + 1);
        }
        return out + ' ';
    }

    static QByteArray text(const QString& text) {
        QByteArray out;
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u == '\\' || u == '{' || u == '}')
                out += QByteArray("\\") + char(u);
            else if (u == '\t')
                out += "\\tab ";
            else if (c == QChar::LineSeparator)
                out += "\\line ";
            else if (c == QChar::ParagraphSeparator)
                out += "\\par\n";
            else if (u >= 0x20 && u < 0x80)
                out += char(u);
            else if (u >= 0x80)
                // Signed 16 bits, as readers of every age expect.
                out += "\\u" + QByteArray::number(int(qint16(u))) + '?';
        }
        return out;
    }

    const QTextDocument& document_;
    const qreal lengthScale_;
    QStringList fonts_;
    QList<QColor> colors_;
};

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    return RtfComposer(document).compose();
}
