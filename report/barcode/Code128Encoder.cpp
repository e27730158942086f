#include "Code128Encoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "Code128AutoEncoder.h"
#include "Code128Characters.h"
#include "Code128Patterns.h"
#include "TppResourceManager.h"

namespace {

enum class CodeSet { A, B, C };

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

class SymbolReader {
public:
    explicit SymbolReader(QStringView data) : data_(data) {}

    Code128Symbols read() {
        if (data_.isEmpty() || data_[0] < Code128Char::StartA || data_[0] > Code128Char::StartC)
            return fail(LanguageString(BarCodeMessage::Code128StartCode));
        set_ = static_cast<CodeSet>(data_[0].unicode() - Code128Char::StartA);
        symbols_.values.push_back(Code128Value::StartA + static_cast<int>(set_));
        position_ = 1;
        while (position_ < data_.size() && symbols_.error.isEmpty()) {
            const QChar c = data_[position_];
            if (c >= Code128Char::StartA && c <= Code128Char::StartC)
                fail(LanguageString(BarCodeMessage::Code128StartCodeOnlyFirst));
            else if (set_ == CodeSet::C)
                readInCodeC(c);
            else
                readInCodeAOrB(c);
        }
        // A SHIFT promises one more character; a symbol ending on it would
        // not read.
        if (shifted_ && symbols_.error.isEmpty())
            fail(LanguageString(BarCodeMessage::Code128ShiftAtEnd));
        return std::move(symbols_);
    }

private:
    Code128Symbols& fail(const QString& message) {
        symbols_.error = message;
        return symbols_;
    }
    void put(int value, qsizetype characters = 1) {
        symbols_.values.push_back(value);
        position_ += characters;
    }

    void readInCodeC(QChar c) {
        if (isDigit(c)) {
            if (position_ + 1 >= data_.size() || !isDigit(data_[position_ + 1]))
                fail(LanguageString(BarCodeMessage::Code128CodeCEven));
            else
                put((c.unicode() - u'0') * 10 + (data_[position_ + 1].unicode() - u'0'), 2);
            return;
        }
        switch (c.unicode()) {
        case Code128Char::Fnc3:
        case Code128Char::Fnc2:
        case Code128Char::Shift:
        case Code128Char::CodeC:
            fail(LanguageString(BarCodeMessage::Code128CodeCSpecials));
            return;
        case Code128Char::CodeB:
            set_ = CodeSet::B;
            put(Code128Value::CodeB);
            return;
        case Code128Char::CodeA:
            set_ = CodeSet::A;
            put(Code128Value::CodeA);
            return;
        case Code128Char::Fnc1:
            // A unit of its own: it neither pairs with a digit nor leaves code C.
            put(Code128Value::Fnc1);
            return;
        default:
            fail(LanguageString(BarCodeMessage::Code128CodeCNumeric));
        }
    }

    void readInCodeAOrB(QChar c) {
        const char16_t u = c.unicode();
        // After a SHIFT one character is read in the other of A and B.
        const CodeSet effective = shifted_ ? (set_ == CodeSet::A ? CodeSet::B : CodeSet::A) : set_;
        if (u == Code128Char::Shift) {
            if (shifted_) {
                fail(LanguageString(BarCodeMessage::Code128TwoShifts));
                return;
            }
            shifted_ = true;
            put(Code128Value::Shift);
            return;
        }
        shifted_ = false;
        if (u >= 32 && u <= 95) {
            put(u - 32);
        } else if (u >= 96 && u <= 127) {
            if (effective != CodeSet::B)
                fail(LanguageStringFmt(BarCodeMessage::Code128OnlyCodeB, {QString(c)}));
            else
                put(u - 32);
        } else if (u >= Code128Char::FirstControl && u <= Code128Char::LastControl) {
            if (effective != CodeSet::A)
                fail(LanguageString(BarCodeMessage::Code128OnlyCodeA));
            else
                put(u - 147);
        } else if (u == Code128Char::Fnc3) {
            put(Code128Value::Fnc3);
        } else if (u == Code128Char::Fnc2) {
            put(Code128Value::Fnc2);
        } else if (u == Code128Char::Fnc1) {
            put(Code128Value::Fnc1);
        } else if (u == Code128Char::CodeC) {
            set_ = CodeSet::C;
            put(Code128Value::CodeC);
        } else if (u == Code128Char::CodeB) {
            // In code B the same symbol is FNC4.
            set_ = effective == CodeSet::A ? CodeSet::B : set_;
            put(Code128Value::CodeB);
        } else if (u == Code128Char::CodeA) {
            set_ = effective == CodeSet::B ? CodeSet::A : set_;
            put(Code128Value::CodeA);
        } else {
            fail(LanguageStringFmt(BarCodeMessage::Code128Unencodable, {QString(c)}));
        }
    }

    QStringView data_;
    Code128Symbols symbols_;
    CodeSet set_ = CodeSet::A;
    qsizetype position_ = 0;
    bool shifted_ = false;
};

QString printableCharacters(const QString& data) {
    QString text;
    for (QChar c : data)
        if (c.unicode() >= 32 && c.unicode() <= 126)
            text += c;
    return text;
}

} // namespace

Code128Symbols code128Symbols(QStringView data) {
    return SymbolReader(data).read();
}

int code128CheckValue(const std::vector<int>& values) {
    long long sum = values.empty() ? 0 : values.front();
    for (size_t position = 1; position < values.size(); ++position)
        sum += static_cast<long long>(values[position]) * static_cast<long long>(position);
    return static_cast<int>(sum % 103);
}

BarCodeEncoding encodeCode128(const BarCodeSettings& settings) {
    QString manual = settings.data;
    if (settings.autoEncode) {
        if (const std::optional<QChar> bad = firstUnencodableCode128Character(settings.data))
            return BarCodeEncoding::refused(
                bcCode128, LanguageStringFmt(BarCodeMessage::Code128Unencodable, {QString(*bad)}));
        manual = autoEncodeCode128(settings.data);
    }
    const Code128Symbols symbols = code128Symbols(manual);
    if (!symbols.error.isEmpty())
        return BarCodeEncoding::refused(bcCode128, symbols.error);

    BarPatternBuilder pattern;
    for (int value : symbols.values)
        pattern.addModuleWidths(code128ModuleWidths(value));
    pattern.addModuleWidths(code128ModuleWidths(code128CheckValue(symbols.values)));
    pattern.addModuleWidths(code128ModuleWidths(Code128Value::Stop));

    BarCodeEncoding encoding;
    encoding.type = bcCode128;
    encoding.ok = true;
    encoding.humanReadable = printableCharacters(settings.data);
    encoding.bars = pattern.take();
    return encoding;
}
