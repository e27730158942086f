#include "TppOutlineSettings.h"

#include "ClassBuilder.h"

const ClassInfo& TppOutlineSettings::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppOutlineSettings>("TppOutlineSettings", &Persistent::staticClassInfo(), [](auto& c) {
            using S = TppOutlineSettings;
            c.property(
                 "CreateNode", [](const S& s) { return s.CreateNode(); },
                 [](S& s, bool v) { s.SetCreateNode(v); })
                .withDefault(true);
        });
    return info;
}

void TppOutlineSettings::SetCreateNode(bool value) {
    change(createNode_, value);
}

void TppOutlineSettings::Assign(const TppOutlineSettings& source) {
    SetCreateNode(source.createNode_);
}

const ClassInfo& TppOutlineReportSettings::staticClassInfo() {
    static const ClassInfo info = describeClass<TppOutlineReportSettings>(
        "TppOutlineReportSettings", &TppOutlineSettings::staticClassInfo(), [](auto& c) {
            using S = TppOutlineReportSettings;
            c.property(
                 "CreatePageNodes", [](const S& s) { return s.CreatePageNodes(); },
                 [](S& s, bool v) { s.SetCreatePageNodes(v); })
                .withDefault(true);
            c.property(
                 "Enabled", [](const S& s) { return s.Enabled(); }, [](S& s, bool v) { s.SetEnabled(v); })
                .withDefault(true);
        });
    return info;
}

void TppOutlineReportSettings::Assign(const TppOutlineSettings& source) {
    TppOutlineSettings::Assign(source);
    if (const auto* report = dynamic_cast<const TppOutlineReportSettings*>(&source)) {
        SetCreatePageNodes(report->createPageNodes_);
        SetEnabled(report->enabled_);
    }
}
