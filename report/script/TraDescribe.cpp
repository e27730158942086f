#include "TraDescribe.h"

#include <deque>

namespace TraDescribe {

namespace {

// Descriptions live as long as the process; the deque keeps their addresses.
std::deque<TraRTTI>& descriptions() {
    static std::deque<TraRTTI> all;
    return all;
}

} // namespace

QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    // The last line's end is not the start of another one.
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

const TraRTTI* describe(const char* name, const ClassInfo* cls, const TraRTTI* parent,
                        std::vector<TraMember> members) {
    descriptions().emplace_back(name, parent, std::move(members), cls);
    const TraRTTI* rtti = &descriptions().back();
    TraRTTIClassRegistry::instance().registerRTTI(*rtti);
    return rtti;
}

const TraRTTI* described(const char* name) {
    const TraRTTI* rtti = TraRTTIClassRegistry::instance().find(name);
    Q_ASSERT(rtti);
    return rtti;
}

bool anyDescribed() {
    return !descriptions().empty();
}

} // namespace TraDescribe
