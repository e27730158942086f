#include "HtmlText.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>

namespace {

// Elements that begin and end a line of their own.
const QSet<QString>& blockElements() {
    static const QSet<QString> names = {
        "address", "article", "aside",   "blockquote", "body", "caption",  "center",     "dd",
        "details", "dialog",  "div",     "dl",         "dt",   "fieldset", "figcaption", "figure",
        "footer",  "form",    "h1",      "h2",         "h3",   "h4",       "h5",         "h6",
        "header",  "hr",      "html",    "li",         "main", "nav",      "ol",         "p",
        "pre",     "section", "summary", "table",      "tr",   "ul"};
    return names;
}

// Elements whose content is raw text that never shows; their end tag is
// searched for rather than parsed, since scripts may hold "<".
const QSet<QString>& rawHiddenElements() {
    static const QSet<QString> names = {"script", "style", "title", "template", "noscript", "textarea"};
    return names;
}

// A "<" that a letter, "/", "!" or "?" does not follow is text ("1 < 2").
bool startsTag(const QString& html, qsizetype at) {
    if (at + 1 >= html.size())
        return false;
    const QChar next = html.at(at + 1);
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

QString namedEntity(const QString& name) {
    static QHash<QString, QString> known = {{"amp", "&"},   {"lt", "<"},   {"gt", ">"},
                                            {"quot", "\""}, {"apos", "'"}, {"nbsp", QString(QChar::Nbsp)}};
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    // The rest of the named entities as Qt's HTML reader knows them; only the
    // entity itself is handed over, so no markup of the page is interpreted.
    QString decoded =
        QTextDocumentFragment::fromHtml(QLatin1Char('&') + name + QLatin1Char(';')).toPlainText();
    if (decoded == QLatin1Char('&') + name + QLatin1Char(';'))
        decoded.clear();
    known.insert(name, decoded);
    return decoded;
}

// Decodes "&name;", "&#NNN;" and "&#xHH;"; an unknown or unfinished reference stays as it stands.
QString decodeEntities(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype end = text.at(i) == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (end < 0 || end - i > 32) {
            out += text.at(i);
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        QString decoded;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X')
                                  ? name.mid(2).toUInt(&ok, 16)
                                  : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF)
                decoded = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else if (!name.isEmpty()) {
            decoded = namedEntity(name);
        }
        if (decoded.isEmpty()) {
            out += text.at(i);
            continue;
        }
        out += decoded;
        i = end;
    }
    return out;
}

class TextBuilder {
public:
    void text(const QString& run, bool preformatted) {
        QString shown = decodeEntities(run);
        if (!preformatted) {
            shown = collapse(shown);
            // A blank shows neither at the start of a line nor after another blank.
            if (shown.startsWith(u' ') && (atLineStart() || breakPending_ || out_.endsWith(u' ')))
                shown.remove(0, 1);
            if (shown.isEmpty())
                return;
        }
        if (breakPending_ && !atLineStart())
            out_ += u'\n';
        breakPending_ = false;
        out_ += shown;
    }
    void lineBreak() {
        out_ += u'\n';
        breakPending_ = false;
    }
    void blockBoundary() { breakPending_ = true; }
    void cell() {
        // The first cell of a row begins the row's line; the others follow a tab.
        if (!atLineStart() && !breakPending_ && !out_.endsWith(u'\t'))
            out_ += u'\t';
    }
    // Nor does a blank at the end of a line.
    QString result() const {
        static const QRegularExpression trailing(QStringLiteral(" +(\n|$)"));
        return QString(out_).replace(trailing, QStringLiteral("\\1"));
    }

private:
    bool atLineStart() const { return out_.isEmpty() || out_.endsWith(u'\n'); }
    // Runs of blanks, tabs and line breaks show as one blank.
    static QString collapse(const QString& run) {
        QString out;
        bool blank = false;
        for (const QChar c : run) {
            if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
                if (!blank)
                    out += u' ';
                blank = true;
            } else {
                out += c;
                blank = false;
            }
        }
        return out;
    }

    QString out_;
    bool breakPending_ = false;
};

} // namespace

QString htmlVisibleText(const QString& html) {
    TextBuilder text;
    int headDepth = 0;
    int preDepth = 0;
    qsizetype i = 0;
    while (i < html.size()) {
        qsizetype open = i - 1;
        do
            open = html.indexOf(u'<', open + 1);
        while (open >= 0 && !startsTag(html, open));
        const qsizetype textEnd = open < 0 ? html.size() : open;
        if (textEnd > i && headDepth == 0)
            text.text(html.mid(i, textEnd - i), preDepth > 0);
        if (open < 0)
            break;
        if (html.mid(open, 4) == u"<!--") {
            const qsizetype close = html.indexOf(QStringLiteral("-->"), open + 4);
            i = close < 0 ? html.size() : close + 3;
            continue;
        }
        const qsizetype close = html.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        const QString tag = html.mid(open + 1, close - open - 1).trimmed();
        i = close + 1;
        const bool ending = tag.startsWith(u'/');
        QString name;
        for (const QChar c : ending ? tag.mid(1) : tag) {
            if (!c.isLetterOrNumber())
                break;
            name += c.toLower();
        }
        if (name.isEmpty() || !name.at(0).isLetter())
            continue; // <!DOCTYPE ...>, <?xml ...?> and stray text show nothing
        if (!ending && rawHiddenElements().contains(name)) {
            const qsizetype end = html.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            const qsizetype endClose = end < 0 ? -1 : html.indexOf(u'>', end);
            i = endClose < 0 ? html.size() : endClose + 1;
            continue;
        }
        if (name == u"head") {
            headDepth = ending ? 0 : 1;
        } else if (name == u"body") {
            headDepth = 0;
        }
        if (name == u"br") {
            text.lineBreak();
        } else if (name == u"td" || name == u"th") {
            if (!ending)
                text.cell();
        } else if (blockElements().contains(name)) {
            if (name == u"pre")
                preDepth = ending ? qMax(0, preDepth - 1) : preDepth + 1;
            text.blockBoundary();
        }
    }
    return text.result();
}
