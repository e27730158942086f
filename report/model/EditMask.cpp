#include "EditMask.h"

#include <vector>

namespace {

enum class CaseRule { AsTyped, Upper, Lower };

struct MaskPosition {
    bool data = false;
    QChar literal;
    CaseRule caseRule = CaseRule::AsTyped;
};

struct ParsedMask {
    std::vector<MaskPosition> positions;
    bool valueHasLiterals = true;
    bool fromRight = false;
};

bool isDataCharacter(QChar c) {
    switch (c.unicode()) {
    case u'L':
    case u'l':
    case u'A':
    case u'a':
    case u'C':
    case u'c':
    case u'0':
    case u'9':
    case u'#':
        return true;
    default:
        return false;
    }
}

// The picture ends at the first ";" that is not escaped; the fields after it
// are read from the end so that a picture may itself hold an escaped ";".
ParsedMask parse(const QString& editMask, const FormatSettings& settings) {
    ParsedMask mask;
    qsizetype end = editMask.size();
    for (qsizetype i = 0; i < editMask.size(); ++i) {
        if (editMask[i] == u'\\') {
            ++i;
        } else if (editMask[i] == u';') {
            end = i;
            break;
        }
    }
    const QString fields = editMask.mid(end + 1);
    if (end < editMask.size() && !fields.isEmpty() && fields[0] == u'0')
        mask.valueHasLiterals = false;

    CaseRule caseRule = CaseRule::AsTyped;
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = editMask[i];
        MaskPosition position;
        if (c == u'!') {
            mask.fromRight = true;
            continue;
        }
        if (c == u'<' && i + 1 < end && editMask[i + 1] == u'>') {
            caseRule = CaseRule::AsTyped;
            ++i;
            continue;
        }
        if (c == u'>' || c == u'<') {
            caseRule = c == u'>' ? CaseRule::Upper : CaseRule::Lower;
            continue;
        }
        if (c == u'\\' && i + 1 < end) {
            position.literal = editMask[++i];
        } else if (isDataCharacter(c)) {
            position.data = true;
            position.caseRule = caseRule;
        } else if (c == u':') {
            position.literal = settings.timeSeparator;
        } else if (c == u'/') {
            position.literal = settings.dateSeparator;
        } else if (c == u'_') {
            position.literal = u' ';
        } else {
            position.literal = c;
        }
        mask.positions.push_back(position);
    }
    return mask;
}

QChar applyCase(QChar c, CaseRule rule) {
    switch (rule) {
    case CaseRule::Upper:
        return c.toUpper();
    case CaseRule::Lower:
        return c.toLower();
    case CaseRule::AsTyped:
        break;
    }
    return c;
}

// The characters that go into the data positions, in order. A value that
// carries literals has them at the literal positions; they are skipped there
// when they match, so a value typed without them still fills the data.
QString dataCharacters(const ParsedMask& mask, const QString& value) {
    if (!mask.valueHasLiterals)
        return value;
    QString data;
    qsizetype v = 0;
    for (const MaskPosition& position : mask.positions) {
        if (v >= value.size())
            break;
        if (position.data)
            data += value[v++];
        else if (value[v] == position.literal)
            ++v;
    }
    return data + value.mid(v);
}

} // namespace

QString formatMaskText(const QString& editMask, const QString& value, const FormatSettings& settings) {
    const ParsedMask mask = parse(editMask, settings);
    if (mask.positions.empty())
        return value;
    QString data = dataCharacters(mask, value);
    qsizetype places = 0;
    for (const MaskPosition& position : mask.positions)
        places += position.data ? 1 : 0;
    if (data.size() > places)
        data = mask.fromRight ? data.right(places) : data.left(places);
    // Filling from the right leaves the unfilled data positions at the start.
    qsizetype next = mask.fromRight ? data.size() - places : 0;
    QString out;
    out.reserve(qsizetype(mask.positions.size()));
    for (const MaskPosition& position : mask.positions) {
        if (!position.data) {
            out += position.literal;
            continue;
        }
        out += next >= 0 && next < data.size() ? applyCase(data[next], position.caseRule) : QChar(u' ');
        ++next;
    }
    return out;
}
