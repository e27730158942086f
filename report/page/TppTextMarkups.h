#pragma once

#include <QChar>
#include <QStringView>

// The control characters of text that is wrapped into lines. ParagraphEnd
// is no character of the text: word wrap appends it to the last line of a
// paragraph under full justification, so that drawing leaves that line
// unjustified.
struct TppTextMarkups {
    static constexpr QChar Tab{u'\t'};
    static constexpr QChar CarriageReturn{u'\r'};
    static constexpr QChar LineFeed{u'\n'};
    static constexpr QChar Terminator{u'\0'};
    static constexpr QChar Blank{u' '};
    static constexpr QStringView LineBreak{u"\r\n"};
    static constexpr QStringView ParagraphEnd{u"$\u00B6"};
};
