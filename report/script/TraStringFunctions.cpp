#include "TraSystemFunction.h"

#include <algorithm>

// Texts are 8-bit; positions count bytes from 1. Case changes touch the ASCII
// letters only, so a text's length never changes with its case.
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}
char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
bool isBlank(char c) {
    return quint8(c) <= 32;
}

void copy(TraBuiltinCall& call) {
    const QByteArray& s = call.string(0);
    const qint64 index = std::max<qint64>(call.integer(1), 1);
    const qint64 count = call.integer(2);
    if (index > s.size() || count <= 0)
        call.result.setString(QByteArray(""));
    else
        call.result.setString(s.mid(index - 1, qsizetype(std::min<qint64>(count, s.size() - index + 1))));
}

void remove(TraBuiltinCall& call) {
    QByteArray s = call.string(0);
    const qint64 index = call.integer(1);
    const qint64 count = call.integer(2);
    if (index < 1 || index > s.size() || count <= 0)
        return;
    s.remove(index - 1, qsizetype(std::min<qint64>(count, s.size() - index + 1)));
    call.params[0].setString(s);
}

void insert(TraBuiltinCall& call) {
    QByteArray s = call.string(1);
    const qint64 index = std::clamp<qint64>(call.integer(2), 1, s.size() + 1);
    s.insert(qsizetype(index - 1), call.string(0));
    call.params[1].setString(s);
}

void length(TraBuiltinCall& call) {
    call.result.setInteger(qint32(call.string(0).size()));
}

void pos(TraBuiltinCall& call) {
    const QByteArray& sub = call.string(0);
    call.result.setInteger(sub.isEmpty() ? 0 : qint32(call.string(1).indexOf(sub) + 1));
}

void compareText(TraBuiltinCall& call) {
    const QByteArray& a = call.string(0);
    const QByteArray& b = call.string(1);
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int d = int(quint8(lower(a[i]))) - int(quint8(lower(b[i])));
        if (d != 0) {
            call.result.setInteger(d);
            return;
        }
    }
    call.result.setInteger(qint32(a.size() - b.size()));
}

void upperCase(TraBuiltinCall& call) {
    QByteArray s = call.string(0);
    std::transform(s.begin(), s.end(), s.begin(), upper);
    call.result.setString(s);
}

void lowerCase(TraBuiltinCall& call) {
    QByteArray s = call.string(0);
    std::transform(s.begin(), s.end(), s.begin(), lower);
    call.result.setString(s);
}

// Every letter after a blank or an underscore starts a word.
void capitalize(TraBuiltinCall& call) {
    QByteArray s = call.string(0);
    std::transform(s.begin(), s.end(), s.begin(), lower);
    for (qsizetype i = 0; i < s.size(); ++i)
        if (i == 0 || s[i - 1] == ' ' || s[i - 1] == '_')
            s[i] = upper(s[i]);
    call.result.setString(s);
}

void trimmed(TraBuiltinCall& call, bool left, bool right) {
    const QByteArray& s = call.string(0);
    qsizetype start = 0;
    qsizetype end = s.size();
    while (left && start < end && isBlank(s[start]))
        ++start;
    while (right && end > start && isBlank(s[end - 1]))
        --end;
    call.result.setString(s.mid(start, end - start));
}

void trim(TraBuiltinCall& call) {
    trimmed(call, true, true);
}
void trimLeft(TraBuiltinCall& call) {
    trimmed(call, true, false);
}
void trimRight(TraBuiltinCall& call) {
    trimmed(call, false, true);
}

} // namespace

void appendStringFunctions(std::vector<TraSystemFunction>& list) {
    const TraFunctionGroup g = TraFunctionGroup::String;
    list.push_back({"Capitalize", g, "function Capitalize(const S: String): String;", capitalize});
    list.push_back({"Copy", g, "function Copy(S: String; Index, Count: Integer): String;", copy});
    list.push_back({"Delete", g, "procedure Delete(var S: String; Index, Count: Integer);", remove});
    list.push_back({"Insert", g, "procedure Insert(Source: String; var S: String; Index: Integer);", insert});
    list.push_back({"Length", g, "function Length(S: String): Integer;", length});
    list.push_back({"Pos", g, "function Pos(Substr: String; S: String): Integer;", pos});
    list.push_back({"CompareText", g, "function CompareText(const S1, S2: string): Integer;", compareText});
    list.push_back({"UpperCase", g, "function UpperCase(const S: String): String;", upperCase});
    list.push_back({"LowerCase", g, "function LowerCase(const S: String): String;", lowerCase});
    list.push_back({"Trim", g, "function Trim(const S: String): String;", trim});
    list.push_back({"TrimLeft", g, "function TrimLeft(const S: String): String;", trimLeft});
    list.push_back({"TrimRight", g, "function TrimRight(const S: String): String;", trimRight});
}
