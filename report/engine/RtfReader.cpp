#include "RtfReader.h"

#include "RtfLengths.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>
#include <algorithm>

namespace {

// Windows code page 1252 where it differs from Latin-1 (0x80 to 0x9F).
constexpr char16_t kCp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar fromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
}

// Groups whose contents are no text of the document.
bool isSkippedDestination(const QByteArray& word) {
    static const QByteArray kSkipped[] = {"info",
                                          "stylesheet",
                                          "pict",
                                          "object",
                                          "header",
                                          "footer",
                                          "headerl",
                                          "headerr",
                                          "headerf",
                                          "footerl",
                                          "footerr",
                                          "footerf",
                                          "fldinst",
                                          "listtable",
                                          "listoverridetable",
                                          "revtbl",
                                          "filetbl",
                                          "themedata",
                                          "colorschememapping",
                                          "latentstyles",
                                          "datastore",
                                          "xmlnstbl",
                                          "rsidtbl",
                                          "generator",
                                          "listtext",
                                          "pntext",
                                          "bkmkstart",
                                          "bkmkend",
                                          "nonshppict",
                                          "shp",
                                          "template"};
    for (const QByteArray& skipped : kSkipped)
        if (word == skipped)
            return true;
    return false;
}

// Lengths beyond the longest side of the largest paper a report prints on
// (C size, 22 inches) mean nothing on a page: they are cut to it.
constexpr int kMaxTwips = 22 * 1440;
// Word processors offer no larger type than 1638 points.
constexpr int kMaxHalfPoints = 2 * 1638;
// Qt's text layout hangs on a document taller than its fixed-point
// numbers count: 2^23 units of its paint device on one page (at 1440 per
// inch some 530 pages of letter paper), 2^25 on pages. A document is read
// until it is 2^22 units tall, paragraph by paragraph, which no report
// needs; the text beyond is left out.
constexpr qreal kMaxDocumentHeight = 1 << 22;

int twips(int parameter) {
    return std::clamp(parameter, -kMaxTwips, kMaxTwips);
}
int spacing(int parameter) {
    return std::clamp(parameter, 0, kMaxTwips);
}

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
    int font = -1; // font table number; -1: the default font
    qreal size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0; // colour table index; 0 is the automatic colour
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<int> tabs; // twips
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // fallback characters after "\u"
};

class RtfParser {
public:
    RtfParser(const QByteArray& rtf, QTextDocument& document)
        : rtf_(rtf), document_(document), cursor_(&document), lengthScale_(formatLengthsPerTwip(document)) {}

    void parse() {
        document_.clear();
        cursor_ = QTextCursor(&document_);
        state_ = GroupState();
        while (i_ < rtf_.size()) {
            const char c = rtf_[i_];
            if (c == '{') {
                ++i_;
                flush();
                stack_.push_back(state_);
                ignorableNext_ = false;
            } else if (c == '}') {
                ++i_;
                endGroup();
            } else if (c == '\\') {
                ++i_;
                controlSequence();
            } else if (c == '\r' || c == '\n') {
                ++i_;
            } else {
                ++i_;
                character(fromCp1252(static_cast<unsigned char>(c)));
            }
        }
        flush();
    }

private:
    void endGroup() {
        flush();
        if (state_.destination == Destination::FontTable && !fontName_.isEmpty())
            finishFontEntry();
        if (stack_.isEmpty())
            return; // an unbalanced closing brace: ignore it
        state_ = stack_.takeLast();
    }

    void controlSequence() {
        if (i_ >= rtf_.size())
            return;
        const char c = rtf_[i_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++i_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = i_;
        while (i_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[i_])))
            ++i_;
        const QByteArray word = rtf_.mid(start, i_ - start);
        bool hasParameter = false;
        int parameter = 0;
        const qsizetype numberStart = i_;
        if (i_ < rtf_.size() && (rtf_[i_] == '-' || std::isdigit(static_cast<unsigned char>(rtf_[i_])))) {
            ++i_;
            while (i_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[i_])) &&
                   i_ - numberStart < 10)
                ++i_;
            bool ok = false;
            parameter = rtf_.mid(numberStart, i_ - numberStart).toInt(&ok);
            hasParameter = ok;
        }
        if (i_ < rtf_.size() && rtf_[i_] == ' ')
            ++i_;
        controlWord(word, hasParameter, parameter);
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\'': {
            bool ok = false;
            const int byte = rtf_.mid(i_, 2).toInt(&ok, 16);
            i_ += 2;
            if (ok)
                character(fromCp1252(static_cast<unsigned char>(byte)));
            break;
        }
        case '*':
            ignorableNext_ = true;
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '\\':
        case '{':
        case '}':
            character(QLatin1Char(c));
            break;
        default:
            break; // optional hyphens, formula characters and the like
        }
    }

    void controlWord(const QByteArray& word, bool hasParameter, int parameter) {
        if (ignorableNext_) {
            ignorableNext_ = false;
            // An unknown destination marked ignorable is skipped whole.
            if (word != "fldrslt") {
                state_.destination = Destination::Skip;
                return;
            }
        }
        if (state_.destination == Destination::Skip)
            return;
        if (word == "fonttbl") {
            state_.destination = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            state_.destination = Destination::ColorTable;
            colors_.clear();
            pendingColor_ = QColor(0, 0, 0);
            colorComponents_ = false;
            return;
        }
        if (isSkippedDestination(word)) {
            flush();
            state_.destination = Destination::Skip;
            return;
        }
        if (state_.destination == Destination::FontTable) {
            if (word == "f")
                fontNumber_ = parameter;
            return;
        }
        if (state_.destination == Destination::ColorTable) {
            const int component = std::clamp(parameter, 0, 255);
            if (word == "red")
                pendingColor_.setRed(component);
            else if (word == "green")
                pendingColor_.setGreen(component);
            else if (word == "blue")
                pendingColor_.setBlue(component);
            colorComponents_ = true;
            return;
        }
        textControlWord(word, hasParameter, parameter);
    }

    void textControlWord(const QByteArray& word, bool hasParameter, int parameter) {
        CharState& ch = state_.chars;
        ParagraphState& para = state_.paragraph;
        const bool on = !hasParameter || parameter != 0;
        if (word == "par")
            paragraph();
        else if (word == "line")
            character(QChar::LineSeparator);
        else if (word == "tab")
            character(u'\t');
        else if (word == "u") {
            character(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)));
            skipFallback(state_.unicodeSkip);
        } else if (word == "uc")
            state_.unicodeSkip = std::max(0, parameter);
        else if (word == "emdash")
            character(QChar(0x2014));
        else if (word == "endash")
            character(QChar(0x2013));
        else if (word == "bullet")
            character(QChar(0x2022));
        else if (word == "lquote")
            character(QChar(0x2018));
        else if (word == "rquote")
            character(QChar(0x2019));
        else if (word == "ldblquote")
            character(QChar(0x201C));
        else if (word == "rdblquote")
            character(QChar(0x201D));
        else if (word == "deff")
            defaultFont_ = parameter;
        else if (word == "plain") {
            setChars(CharState());
        } else if (word == "pard") {
            para = ParagraphState();
        } else {
            CharState next = ch;
            if (word == "f")
                next.font = parameter;
            else if (word == "fs")
                next.size = hasParameter && parameter > 0 ? std::min(parameter, kMaxHalfPoints) / 2.0 : 12;
            else if (word == "b")
                next.bold = on;
            else if (word == "i")
                next.italic = on;
            else if (word == "ul")
                next.underline = on;
            else if (word == "ulnone")
                next.underline = false;
            else if (word == "strike")
                next.strike = on;
            else if (word == "cf")
                next.color = parameter;
            else if (word == "ql")
                para.alignment = Qt::AlignLeft;
            else if (word == "qr")
                para.alignment = Qt::AlignRight;
            else if (word == "qc")
                para.alignment = Qt::AlignHCenter;
            else if (word == "qj")
                para.alignment = Qt::AlignJustify;
            else if (word == "li")
                para.leftIndent = twips(parameter);
            else if (word == "ri")
                para.rightIndent = twips(parameter);
            else if (word == "fi")
                para.firstIndent = twips(parameter);
            else if (word == "sb")
                para.spaceBefore = spacing(parameter);
            else if (word == "sa")
                para.spaceAfter = spacing(parameter);
            else if (word == "tx")
                para.tabs << spacing(parameter);
            setChars(next);
        }
    }

    void skipFallback(int count) {
        // Fallback characters after "\u": plain bytes or one "\'hh" each.
        while (count-- > 0 && i_ < rtf_.size()) {
            if (rtf_[i_] == '\\' && i_ + 1 < rtf_.size() && rtf_[i_ + 1] == '\'')
                i_ += 4;
            else if (rtf_[i_] == '{' || rtf_[i_] == '}' || rtf_[i_] == '\\')
                return;
            else
                ++i_;
        }
    }

    void setChars(const CharState& next) {
        const CharState& ch = state_.chars;
        if (next.font != ch.font || next.size != ch.size || next.bold != ch.bold ||
            next.italic != ch.italic || next.underline != ch.underline || next.strike != ch.strike ||
            next.color != ch.color)
            flush();
        state_.chars = next;
    }

    void character(QChar c) {
        switch (state_.destination) {
        case Destination::Text:
            pending_ += c;
            break;
        case Destination::FontTable:
            if (c == u';')
                finishFontEntry();
            else
                fontName_ += c;
            break;
        case Destination::ColorTable:
            if (c == u';') {
                colors_ << (colorComponents_ ? pendingColor_ : QColor());
                pendingColor_ = QColor(0, 0, 0);
                colorComponents_ = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void finishFontEntry() {
        if (fontNumber_ >= 0)
            fonts_.insert(fontNumber_, fontName_.trimmed());
        fontName_.clear();
    }

    QTextCharFormat charFormat() const {
        const CharState& ch = state_.chars;
        QTextCharFormat format;
        const QString family = fonts_.value(ch.font < 0 ? defaultFont_ : ch.font, fonts_.value(defaultFont_));
        if (!family.isEmpty())
            format.setFontFamilies({family});
        format.setFontPointSize(ch.size);
        format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(ch.italic);
        format.setFontUnderline(ch.underline);
        format.setFontStrikeOut(ch.strike);
        if (ch.color > 0 && ch.color < colors_.size() && colors_[ch.color].isValid())
            format.setForeground(colors_[ch.color]);
        return format;
    }

    QTextBlockFormat blockFormat() const {
        const ParagraphState& para = state_.paragraph;
        QTextBlockFormat format;
        format.setAlignment(para.alignment);
        format.setLeftMargin(para.leftIndent * lengthScale_);
        format.setRightMargin(para.rightIndent * lengthScale_);
        format.setTextIndent(para.firstIndent * lengthScale_);
        format.setTopMargin(para.spaceBefore * lengthScale_);
        format.setBottomMargin(para.spaceAfter * lengthScale_);
        QList<QTextOption::Tab> tabs;
        for (int tab : para.tabs)
            tabs << QTextOption::Tab(tab * lengthScale_, QTextOption::LeftTab);
        format.setTabPositions(tabs);
        return format;
    }

    // A paragraph takes the paragraph properties in force at its text and at its end.
    void flush() {
        if (pending_.isEmpty())
            return;
        if (!full_) {
            cursor_.setBlockFormat(blockFormat());
            cursor_.insertText(pending_, charFormat());
            checkHeight();
        }
        pending_.clear();
    }

    void paragraph() {
        if (state_.destination != Destination::Text)
            return;
        flush();
        if (full_)
            return;
        cursor_.setBlockFormat(blockFormat());
        // The paragraph mark carries the format the next paragraph starts with.
        cursor_.insertBlock(blockFormat(), charFormat());
        checkHeight();
    }

    // The document is laid out as it is read, so its height is known.
    void checkHeight() { full_ = document_.documentLayout()->documentSize().height() > kMaxDocumentHeight; }

    const QByteArray& rtf_;
    QTextDocument& document_;
    QTextCursor cursor_;
    const qreal lengthScale_;
    bool full_ = false; // as tall as a document may grow
    qsizetype i_ = 0;
    GroupState state_;
    QVector<GroupState> stack_;
    bool ignorableNext_ = false;
    QString pending_;
    QHash<int, QString> fonts_;
    int defaultFont_ = 0;
    int fontNumber_ = -1;
    QString fontName_;
    QList<QColor> colors_;
    QColor pendingColor_;
    bool colorComponents_ = false;
};

} // namespace

void readRtf(const QByteArray& rtf, QTextDocument& document) {
    if (!rtf.trimmed().startsWith("{\\rtf")) {
        document.setPlainText(QString::fromUtf8(rtf));
        return;
    }
    RtfParser(rtf, document).parse();
}
