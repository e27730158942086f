#include "Code128AutoEncoder.h"

#include "Code128Characters.h"

#include <vector>

namespace {

enum class CodeSet { A, B, C };

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isFnc(char16_t u) {
    return u == Code128Char::Fnc1 || u == Code128Char::Fnc2 || u == Code128Char::Fnc3;
}

bool inSetA(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 32 && u <= 95) || isFnc(u) ||
           (u >= Code128Char::FirstControl && u <= Code128Char::LastControl);
}

bool inSetB(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 32 && u <= 127) || isFnc(u);
}

bool inSet(CodeSet set, QChar c) {
    return set == CodeSet::A ? inSetA(c) : inSetB(c);
}

bool isSetChoice(char16_t u) {
    return u == Code128Char::Shift || u == Code128Char::CodeC || u == Code128Char::CodeB ||
           u == Code128Char::CodeA || (u >= Code128Char::StartA && u <= Code128Char::StartC);
}

// A pair of digits, a lone FNC1 (at home in every set, code C included) or
// any other single character.
struct Unit {
    qsizetype position;
    enum Kind { Pair, Fnc1, Single } kind;
};

std::vector<Unit> unitsOf(const QString& text) {
    std::vector<Unit> units;
    for (qsizetype i = 0; i < text.size();) {
        if (isDigit(text[i]) && i + 1 < text.size() && isDigit(text[i + 1])) {
            units.push_back({i, Unit::Pair});
            i += 2;
        } else {
            units.push_back({i, text[i] == Code128Char::Fnc1 ? Unit::Fnc1 : Unit::Single});
            ++i;
        }
    }
    return units;
}

class AutoEncoder {
public:
    explicit AutoEncoder(QString text) : text_(std::move(text)), units_(unitsOf(text_)) {}

    QString encode() {
        const size_t first = nextNonFnc1(0);
        set_ = first < units_.size() && units_[first].kind == Unit::Pair ? CodeSet::C : setFor(0);
        out_ += QChar(char16_t(Code128Char::StartA + static_cast<int>(set_)));
        for (size_t i = 0; i < units_.size(); ++i) {
            const Unit& unit = units_[i];
            if (unit.kind == Unit::Pair)
                putPair(i);
            else if (unit.kind == Unit::Fnc1)
                out_ += QChar(Code128Char::Fnc1);
            else
                putSingle(unit.position);
        }
        return out_;
    }

private:
    size_t nextNonFnc1(size_t unit) const {
        while (unit < units_.size() && units_[unit].kind == Unit::Fnc1)
            ++unit;
        return unit;
    }

    // Going to code C pays when the pair ends the data or another pair
    // follows it; FNC1s between pairs stay in code C.
    bool pairOpensCodeC(size_t unit) const {
        const size_t next = nextNonFnc1(unit + 1);
        return next == units_.size() || units_[next].kind == Unit::Pair;
    }

    // A or B for the characters from `position` on: the set that carries them
    // longer; A when both carry all of them.
    CodeSet setFor(qsizetype position) const {
        bool a = true;
        bool b = true;
        for (qsizetype i = position; i < text_.size(); ++i) {
            a = a && inSetA(text_[i]);
            b = b && inSetB(text_[i]);
            if (a != b)
                return a ? CodeSet::A : CodeSet::B;
        }
        return CodeSet::A;
    }

    void switchTo(CodeSet set) {
        static constexpr char16_t kSwitch[] = {Code128Char::CodeA, Code128Char::CodeB, Code128Char::CodeC};
        out_ += QChar(kSwitch[static_cast<int>(set)]);
        set_ = set;
    }

    void putPair(size_t unit) {
        if (set_ != CodeSet::C && pairOpensCodeC(unit))
            switchTo(CodeSet::C);
        out_ += QStringView(text_).sliced(units_[unit].position, 2);
    }

    void putSingle(qsizetype position) {
        const QChar c = text_[position];
        if (set_ == CodeSet::C)
            switchTo(setFor(position));
        if (!inSet(set_, c)) {
            const CodeSet other = set_ == CodeSet::A ? CodeSet::B : CodeSet::A;
            const bool last = position + 1 == text_.size();
            if (last || inSet(other, text_[position + 1]))
                switchTo(other);
            else
                out_ += QChar(Code128Char::Shift);
        }
        out_ += c;
    }

    QString text_;
    std::vector<Unit> units_;
    QString out_;
    CodeSet set_ = CodeSet::A;
};

} // namespace

std::optional<QChar> firstUnencodableCode128Character(QStringView data) {
    for (QChar c : data)
        if (!inSetA(c) && !inSetB(c) && !isSetChoice(c.unicode()))
            return c;
    return std::nullopt;
}

QString autoEncodeCode128(QStringView data) {
    QString text;
    text.reserve(data.size());
    for (QChar c : data)
        if (!isSetChoice(c.unicode()))
            text += c;
    return AutoEncoder(std::move(text)).encode();
}
