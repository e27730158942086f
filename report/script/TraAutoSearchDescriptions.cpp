// Search criteria and the report's members that reach them, as scripts see
// them: an OnGetAutoSearchValues handler reads the criteria's values and
// describes them in words.

#include "PagewrightErrors.h"
#include "TppAutoSearchField.h"
#include "TppEventKind.h"
#include "TppReport.h"
#include "TraDescribe.h"
#include "TraEnumerations.h"
#include "TraEventValues.h"
#include "TraStringList.h"

namespace TraDescribe {

namespace {

// A value that does not read as the criterion's type stops the script, with the reason.
TraValue criterionValue(const TppAutoSearchField& field, int index) {
    try {
        return variantToScriptValue(field.Values(index));
    } catch (const EDataError& error) {
        throw TraRunError(error.message());
    }
}

} // namespace

void describeAutoSearchField() {
    describe("TppAutoSearchField", &TppAutoSearchField::staticClassInfo(), described("TppRelative"),
             {method<TppAutoSearchField>("DisableCriteria", {}, daUnknown,
                                         [](TppAutoSearchField& f, TraCallFrame&) { f.DisableCriteria(); }),
              readOnly<TppAutoSearchField>("Value", daVariant,
                                           [](TppAutoSearchField& f) { return criterionValue(f, 0); }),
              indexedValue<TppAutoSearchField>("Values", daVariant, {"Index", daInteger},
                                               [](TppAutoSearchField& f, TraCallFrame& frame) {
                                                   const int index = frame.args[0].integer();
                                                   checkIndex("Values", index, f.ValueCount());
                                                   frame.result = criterionValue(f, index);
                                               }),
              readOnly<TppAutoSearchField>("ValueCount", daInteger, [](TppAutoSearchField& f) {
                  return integerValue(f.ValueCount());
              })});
}

std::vector<TraMember> autoSearchReportMembers() {
    const TraParam pipelineName{"aDataPipelineName", daString};
    const TraParam fieldName{"aFieldName", daString};
    const TraParam searchOperator{"aOperator", daEnum, nullptr,
                                  TraEnumerations::findType("TppSearchOperatorType").value_or(-1)};
    return {
        method<TppReport>(
            "AutoSearchCriteriaByName", {pipelineName, fieldName}, daClass,
            [](TppReport& r, TraCallFrame& f) {
                f.result = objectValue(r.AutoSearchCriteriaByName(textOf(f.args[0]), textOf(f.args[1])));
            },
            "TppAutoSearchField"),
        method<TppReport>(
            "CreateAutoSearchCriteria",
            {pipelineName, fieldName, searchOperator, {"aExpression", daString}, {"aMandatory", daBoolean}},
            daClass,
            [](TppReport& r, TraCallFrame& f) {
                const int op = f.args[2].ordinal();
                if (op < soEqual || op > soNotBlank)
                    throw TraRunError(QStringLiteral("%1 is no search operator").arg(op));
                f.result = objectValue(r.CreateAutoSearchCriteria(textOf(f.args[0]), textOf(f.args[1]),
                                                                  TppSearchOperatorType(op),
                                                                  textOf(f.args[3]), f.args[4].boolean()));
            },
            "TppAutoSearchField"),
        method<TppReport>(
            "GetAutoSearchDescriptionLines", {{"aLines", daClass, &TraStrings::staticClassInfo()}}, daUnknown,
            [](TppReport& r, TraCallFrame& f) {
                auto* target = dynamic_cast<TraStrings*>(f.args[0].object());
                if (!target)
                    throw TraRunError(QStringLiteral("GetAutoSearchDescriptionLines needs a list of lines"));
                QStringList lines;
                r.GetAutoSearchDescriptionLines(lines);
                target->clear();
                for (const QString& line : lines)
                    target->add(line);
                target->push();
            }),
        // The lines GetAutoSearchDescriptionLines gives, joined as one text
        // with a line break between them (none after the last): what a
        // report shows in one label.
        method<TppReport>("GetAutoSearchDescriptionAsString", {}, daString,
                          [](TppReport& r, TraCallFrame& f) {
                              QStringList lines;
                              r.GetAutoSearchDescriptionLines(lines);
                              f.result = stringValue(lines.join(QStringLiteral("\r\n")));
                          }),
        event("BeforeAutoSearchDialogCreate", ciReportBeforeAutoSearchDialogCreate),
        event("AfterAutoSearchDialogCreate", ciReportAfterAutoSearchDialogCreate),
        event("OnAutoSearchDialogClose", ciReportAutoSearchDialogClose),
        event("OnGetAutoSearchValues", ciReportGetAutoSearchValues),
        indexed<TppReport>(
            "AutoSearchFields", "TppAutoSearchField", [](TppReport& r) { return r.AutoSearchFieldCount(); },
            [](TppReport& r, int i) { return r.AutoSearchFields()[i]; }),
        readOnly<TppReport>("AutoSearchDescription", daString,
                            [](TppReport& r) { return stringValue(r.AutoSearchDescription()); }),
        readOnly<TppReport>("AutoSearchFieldCount", daInteger,
                            [](TppReport& r) { return integerValue(r.AutoSearchFieldCount()); }),
    };
}

} // namespace TraDescribe
