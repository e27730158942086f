// Rich text components as scripts see them: the stored document, loaded and
// saved through files and streams, searched, and edited through a selection.

#include "TppCustomRichText.h"
#include "TppRichTextDocument.h"
#include "TppTypes.h"
#include "TraDescribe.h"
#include "TraEnumerations.h"
#include "TraRichTextAttributes.h"

#include <QFile>

namespace TraDescribe {

namespace {

// What a file or stream holds becomes the document: rich text as it is,
// plain text (PlainText set) as a document of that text.
void loadDocument(TppCustomRichText& r, const QByteArray& bytes) {
    if (!r.PlainText) {
        r.SetRichText(bytes);
        return;
    }
    TppRichTextDocument document;
    document.LoadPlainText(QString::fromLatin1(bytes));
    r.SetRichText(document.ToRtf());
}

QByteArray savedDocument(TppCustomRichText& r) {
    if (!r.PlainText)
        return r.RichText();
    return TppRichTextDocument(r.RichText()).PlainText().toLatin1();
}

// FindText's options, as bits: 1 whole words only, 2 match case.
constexpr int kWholeWord = 1;
constexpr int kMatchCase = 2;

TraMember selection(const char* name, int TppCustomRichText::*field) {
    return readWrite<TppCustomRichText>(
        name, daInteger, [field](TppCustomRichText& r) { return integerValue(r.*field); },
        [field](TppCustomRichText& r, const TraValue& v) { r.*field = std::max(v.integer(), 0); });
}

// The selection's format, and the document stored again with a format
// merged into the selection.
template <class Format, class Read> TraValue readFormat(const TraRichTextFormat& attributes, Read read) {
    const TppCustomRichText& r = attributes.owner();
    const TppRichTextDocument document(r.RichText());
    if constexpr (std::is_same_v<Format, QTextCharFormat>)
        return read(document.CharFormatAt(r.SelStart));
    else
        return read(document.BlockFormatAt(r.SelStart));
}

template <class Format, class Apply>
void mergeFormat(const TraRichTextFormat& attributes, const TraValue& value, Apply apply) {
    TppCustomRichText& r = attributes.owner();
    TppRichTextDocument document(r.RichText());
    Format format;
    apply(format, value);
    if constexpr (std::is_same_v<Format, QTextCharFormat>)
        document.MergeCharFormat(r.SelStart, r.SelStart + r.SelLength, format);
    else
        document.MergeBlockFormat(r.SelStart, r.SelStart + r.SelLength, format);
    r.SetRichText(document.ToRtf());
}

template <class T, class Format, class Read, class Apply>
TraMember formatMember(const char* name, TraDataType type, Read read, Apply apply,
                       const char* typeName = nullptr) {
    return readWrite<T>(
        name, type, [read](T& a) { return readFormat<Format>(a, read); },
        [apply](T& a, const TraValue& v) { mergeFormat<Format>(a, v, apply); }, typeName);
}

template <class Format>
TraMember styleMember(const char* name, bool (Format::*get)() const, void (Format::*set)(bool)) {
    return formatMember<TraTextAttributes, Format>(
        name, daBoolean, [get](const Format& f) { return booleanValue((f.*get)()); },
        [set](Format& f, const TraValue& v) { (f.*set)(v.boolean()); });
}

// Indents are points in scripts and twips in the document.
TraMember indentMember(const char* name, qreal (QTextBlockFormat::*get)() const,
                       void (QTextBlockFormat::*set)(qreal)) {
    return formatMember<TraParaAttributes, QTextBlockFormat>(
        name, daInteger, [get](const QTextBlockFormat& f) { return integerValue(qRound((f.*get)() / 20)); },
        [set](QTextBlockFormat& f, const TraValue& v) { (f.*set)(v.integer() * 20.0); });
}

// A colour as scripts write it: red in the lowest byte, blue in the third.
int scriptColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

TraValue alignmentValue(Qt::Alignment alignment) {
    const int ordinal = alignment & Qt::AlignRight     ? taRightJustify
                        : alignment & Qt::AlignHCenter ? taCenter
                                                       : taLeftJustify;
    TraValue value;
    value.setEnum(TraEnumerations::findType("TAlignment").value_or(-1), ordinal);
    return value;
}

template <class T> TraMember selectionFormat(const char* name, const char* typeName) {
    TraMember member{name, Kind::Property, daClass, typeName};
    member.held = [](TppCommunicator& owner) -> std::unique_ptr<Persistent> {
        auto* richText = dynamic_cast<TppCustomRichText*>(&owner);
        return richText ? std::make_unique<T>(*richText) : nullptr;
    };
    return member;
}

} // namespace

void describeRichTextAttributes() {
    using Char = QTextCharFormat;
    const TraRTTI* tPersistent = described("TPersistent");
    describe(
        "TTextAttributes", &TraTextAttributes::staticClassInfo(), tPersistent,
        {formatMember<TraTextAttributes, Char>(
             "Name", daString,
             [](const Char& f) {
                 const QStringList families = f.fontFamilies().toStringList();
                 return stringValue(families.isEmpty() ? QStringLiteral("Arial") : families.front());
             },
             [](Char& f, const TraValue& v) { f.setFontFamilies({textOf(v)}); }),
         formatMember<TraTextAttributes, Char>(
             "Size", daInteger,
             [](const Char& f) {
                 return integerValue(f.fontPointSize() > 0 ? qRound(f.fontPointSize()) : 12);
             },
             [](Char& f, const TraValue& v) { f.setFontPointSize(std::max(v.integer(), 1)); }),
         formatMember<TraTextAttributes, Char>(
             "Color", daInteger,
             [](const Char& f) { return integerValue(scriptColor(f.foreground().color())); },
             [](Char& f, const TraValue& v) {
                 const int c = v.integer();
                 f.setForeground(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
             }),
         formatMember<TraTextAttributes, Char>(
             "Bold", daBoolean, [](const Char& f) { return booleanValue(f.fontWeight() >= QFont::Bold); },
             [](Char& f, const TraValue& v) { f.setFontWeight(v.boolean() ? QFont::Bold : QFont::Normal); }),
         styleMember<Char>("Italic", &Char::fontItalic, &Char::setFontItalic),
         styleMember<Char>("Underline", &Char::fontUnderline, &Char::setFontUnderline),
         styleMember<Char>("StrikeOut", &Char::fontStrikeOut, &Char::setFontStrikeOut)});
    describe(
        "TParaAttributes", &TraParaAttributes::staticClassInfo(), tPersistent,
        {formatMember<TraParaAttributes, QTextBlockFormat>(
             "Alignment", daEnum, [](const QTextBlockFormat& f) { return alignmentValue(f.alignment()); },
             [](QTextBlockFormat& f, const TraValue& v) {
                 f.setAlignment(v.ordinal() == taRightJustify ? Qt::AlignRight
                                : v.ordinal() == taCenter     ? Qt::AlignHCenter
                                                              : Qt::AlignLeft);
             },
             "TAlignment"),
         indentMember("FirstIndent", &QTextBlockFormat::textIndent, &QTextBlockFormat::setTextIndent),
         indentMember("LeftIndent", &QTextBlockFormat::leftMargin, &QTextBlockFormat::setLeftMargin),
         indentMember("RightIndent", &QTextBlockFormat::rightMargin, &QTextBlockFormat::setRightMargin)});
}

std::vector<TraMember> richTextMembers() {
    return {
        selectionFormat<TraTextAttributes>("SelAttributes", "TTextAttributes"),
        selectionFormat<TraParaAttributes>("Paragraph", "TParaAttributes"),
        readWrite<TppCustomRichText>(
            "RichText", daString,
            [](TppCustomRichText& r) { return stringValue(QString::fromLatin1(r.RichText())); },
            [](TppCustomRichText& r, const TraValue& v) { r.SetRichText(v.text()); }),
        readOnly<TppCustomRichText>("StartCharPos", daInteger,
                                    [](TppCustomRichText& r) { return integerValue(r.StartCharPos); }),
        readOnly<TppCustomRichText>("EndCharPos", daInteger,
                                    [](TppCustomRichText& r) { return integerValue(r.EndCharPos); }),
        readWrite<TppCustomRichText>(
            "PlainText", daBoolean, [](TppCustomRichText& r) { return booleanValue(r.PlainText); },
            [](TppCustomRichText& r, const TraValue& v) { r.PlainText = v.boolean(); }),
        fileMethod<TppCustomRichText>("LoadFromFile",
                                      [](TppCustomRichText& r, TraCallFrame& f) {
                                          QFile file(textOf(f.args[0]));
                                          if (!file.open(QIODevice::ReadOnly))
                                              cannotOpenFile(file.fileName());
                                          loadDocument(r, file.readAll());
                                      }),
        fileMethod<TppCustomRichText>("SaveToFile",
                                      [](TppCustomRichText& r, TraCallFrame& f) {
                                          QFile file(textOf(f.args[0]));
                                          if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                                              file.write(savedDocument(r)) < 0)
                                              cannotOpenFile(file.fileName());
                                      }),
        // The document is read from the stream's position to its end, and
        // written at its position.
        method<TppCustomRichText>(
            "LoadFromRTFStream", {{"Stream", daClass, &TraStream::staticClassInfo()}}, daUnknown,
            [](TppCustomRichText& r, TraCallFrame& f) {
                loadDocument(r, streamArgument(f.args[0], "LoadFromRTFStream").readToEnd());
            }),
        method<TppCustomRichText>("SaveToRTFStream", {{"Stream", daClass, &TraStream::staticClassInfo()}},
                                  daUnknown,
                                  [](TppCustomRichText& r, TraCallFrame& f) {
                                      streamArgument(f.args[0], "SaveToRTFStream").write(savedDocument(r));
                                  }),
        contentStream<TppCustomRichText>("RichTextStream", [](TppCustomRichText& r) { return r.RichText(); }),
        // Where SearchStr first occurs in StartPos .. StartPos + Length; -1 when it does not.
        method<TppCustomRichText>(
            "FindText",
            {{"SearchStr", daString}, {"StartPos", daInteger}, {"Length", daInteger}, {"Options", daInteger}},
            daInteger,
            [](TppCustomRichText& r, TraCallFrame& f) {
                const int options = f.args[3].integer();
                f.result = integerValue(TppRichTextDocument(r.RichText())
                                            .Find(textOf(f.args[0]), f.args[1].integer(), f.args[2].integer(),
                                                  (options & kWholeWord) != 0, (options & kMatchCase) != 0));
            }),
        selection("SelStart", &TppCustomRichText::SelStart),
        selection("SelLength", &TppCustomRichText::SelLength),
        // The selected characters as plain text; writing replaces them,
        // in the format of the first one, and selects what was written.
        readWrite<TppCustomRichText>(
            "SelText", daString,
            [](TppCustomRichText& r) {
                return stringValue(
                    TppRichTextDocument(r.RichText()).PlainText().mid(r.SelStart, r.SelLength));
            },
            [](TppCustomRichText& r, const TraValue& v) {
                TppRichTextDocument document(r.RichText());
                const QString text = textOf(v);
                document.ReplaceRange(r.SelStart, r.SelStart + r.SelLength, text);
                r.SetRichText(document.ToRtf());
                r.SelLength = int(text.size());
            }),
    };
}

} // namespace TraDescribe
