#pragma once

#include <QString>

// Splits plain text into the tokens word wrap works with: a blank, a tab, a
// line break (returned as TppTextMarkups::LineBreak, whether the text held
// CR LF, a lone CR or LF, or a paragraph end), or a word, which is a run of
// any other characters. A terminator character (#0) ends the text like its
// real end does.
//
// The position is the 1-based index of the last character consumed, 0
// before the first, so a wrapper can resume a text where a page ended.
class TppPlainTextParser {
public:
    explicit TppPlainTextParser(const QString& text);

    int Position() const { return position_; }
    // Resumes after the given character; a position past the text ends it.
    void SetPosition(int position);
    int Length() const { return int(text_.size()); }
    // The end of the text has been reached.
    bool AtEnd() const { return end_; }
    // The next token; empty once the text has ended.
    QString NextToken();

private:
    bool isDelimiterAt(qsizetype index) const;

    const QString& text_;
    int position_ = 0;
    bool end_ = false;
};
