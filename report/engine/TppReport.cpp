#include "TppReport.h"

#include "ClassBuilder.h"

const ClassInfo& TppReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReport>("TppReport", &TppBandedReport::staticClassInfo(), [](auto& c) {
            // Older layouts kept the orientation on the report; the rest of
            // what they stored there is no longer a setting.
            c.defined("Orientation", PropertyKind::Enumeration, nullptr, [](TppReport& r, const QVariant& v) {
                r.PrinterSetup().SetOrientation(v.toString() == QLatin1String("poLandscape") ? poLandscape
                                                                                             : poPortrait);
            });
            for (const char* ignored :
                 {"AllowPrintCancel", "DataSource", "NoDataPages", "PreviewPages", "RowSpacing", "SuppressFormFeed",
                  "Viewer", "OnAutoSearchDialogCreate"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppReport&, const QVariant&) {});
        });
    return info;
}

TppReport::TppReport(OwnedComponent* owner) : TppBandedReport(owner) {}

TppReport::~TppReport() { markDestroying(); }
