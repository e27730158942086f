#include "TppOutlineSettings.h"

#include "ClassBuilder.h"

const ClassInfo& TppOutlineSettings::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppOutlineSettings>("TppOutlineSettings", &Persistent::staticClassInfo(), [](auto& c) {
            using S = TppOutlineSettings;
            c.property(
                 "CreateNode", [](const S& s) { return s.CreateNode; },
                 [](S& s, bool v) { s.CreateNode = v; })
                .withDefault(true);
        });
    return info;
}

const ClassInfo& TppOutlineReportSettings::staticClassInfo() {
    static const ClassInfo info = describeClass<TppOutlineReportSettings>(
        "TppOutlineReportSettings", &TppOutlineSettings::staticClassInfo(), [](auto& c) {
            using S = TppOutlineReportSettings;
            c.property(
                 "CreatePageNodes", [](const S& s) { return s.CreatePageNodes; },
                 [](S& s, bool v) { s.CreatePageNodes = v; })
                .withDefault(true);
            c.property(
                 "Enabled", [](const S& s) { return s.Enabled; }, [](S& s, bool v) { s.Enabled = v; })
                .withDefault(true);
        });
    return info;
}
