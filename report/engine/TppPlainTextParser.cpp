#include "TppPlainTextParser.h"

#include "TppTextMarkups.h"

TppPlainTextParser::TppPlainTextParser(const QString& text) : text_(text) {
    end_ = text_.isEmpty();
}

void TppPlainTextParser::SetPosition(int position) {
    position_ = std::clamp(position, 0, Length());
    end_ = position_ >= Length();
}

bool TppPlainTextParser::isDelimiterAt(qsizetype index) const {
    const QChar c = text_[index];
    return c == TppTextMarkups::Blank || c == TppTextMarkups::Tab || c == TppTextMarkups::CarriageReturn ||
           c == TppTextMarkups::LineFeed || c == TppTextMarkups::Terminator ||
           QStringView(text_).mid(index).startsWith(TppTextMarkups::ParagraphEnd);
}

QString TppPlainTextParser::NextToken() {
    if (end_)
        return QString();
    const qsizetype length = text_.size();
    qsizetype i = position_;
    if (i >= length || text_[i] == TppTextMarkups::Terminator) {
        end_ = true;
        return QString();
    }
    const QChar c = text_[i];
    QString token;
    if (c == TppTextMarkups::Blank || c == TppTextMarkups::Tab) {
        token = QString(c);
        ++i;
    } else if (c == TppTextMarkups::CarriageReturn) {
        ++i;
        if (i < length && text_[i] == TppTextMarkups::LineFeed)
            ++i;
        token = TppTextMarkups::LineBreak.toString();
    } else if (c == TppTextMarkups::LineFeed) {
        ++i;
        token = TppTextMarkups::LineBreak.toString();
    } else if (QStringView(text_).mid(i).startsWith(TppTextMarkups::ParagraphEnd)) {
        i += TppTextMarkups::ParagraphEnd.size();
        token = TppTextMarkups::LineBreak.toString();
    } else {
        const qsizetype start = i;
        while (i < length && !isDelimiterAt(i))
            ++i;
        token = text_.mid(start, i - start);
    }
    position_ = int(i);
    // The text ends here when nothing but a terminator follows; a word
    // collected up to that point is still handed out.
    if (i >= length || text_[i] == TppTextMarkups::Terminator)
        end_ = true;
    return token;
}
