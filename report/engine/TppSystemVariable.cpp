#include "TppSystemVariable.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TextEnvironment.h"
#include "TppBandedReport.h"
#include "TppDisplayFormat.h"
#include "TppDrawVar.h"
#include "VariableText.h"

namespace {

bool isPlainText(TppVarType kind) {
    return kind == vtDocumentName || kind == vtPageSet || kind == vtPageSetDesc || kind == vtPageNoDesc;
}

} // namespace

const ClassInfo& TppSystemVariable::staticClassInfo() {
    static const ClassInfo info = describeClass<TppSystemVariable>(
        "TppSystemVariable", &TppCustomVariable::staticClassInfo(), [](auto& c) {
            using T = TppSystemVariable;
            c.event("OnFormat", &T::OnFormat);
            c.property("VarType", &T::VarType, &T::SetVarType)
                .names(enumerationNames("TppVarType"))
                .withDefault(vtDate);
        });
    return info;
}

TppSystemVariable::TppSystemVariable(OwnedComponent* owner) : TppCustomVariable(owner) {}

TppSystemVariable::~TppSystemVariable() {
    markDestroying();
}

void TppSystemVariable::SetVarType(TppVarType kind) {
    varType_ = kind;
    if (!isLoading() && (kind == vtPageSet || kind == vtPageSetDesc))
        if (auto* report = dynamic_cast<TppCustomReport*>(Report()))
            report->SetPassSetting(psTwoPass);
    AdjustBounds();
    Change();
}

TppDataType TppSystemVariable::DataType() const {
    switch (varType_) {
    case vtDate:
        return dtDate;
    case vtDateTime:
    case vtPrintDateTime:
        return dtDateTime;
    case vtPageCount:
    case vtPageNo:
        return dtInteger;
    case vtTime:
        return dtTime;
    default:
        return dtString;
    }
}

QVariant TppSystemVariable::value() const {
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    const bool printing = reportPrinting(*this) && report && report->Engine();
    const QDateTime now = report ? report->Now() : QDateTime::currentDateTime();
    switch (varType_) {
    case vtDate:
        return now.date();
    case vtDateTime:
        return now;
    case vtTime:
        return now.time();
    case vtDocumentName:
        return report ? report->PrinterSetup().DocumentName() : QString();
    case vtPrintDateTime:
        return printing ? report->Engine()->PrintDateTime : now;
    case vtPageCount:
        return printing ? report->PageCount() : 1;
    case vtPageNo:
        return printing ? report->PageNo() : 1;
    default:
        return printing ? VariableText(varType_, report->PageNo(), report->PageCount())
                        : VariableText(varType_, 1, 1, false);
    }
}

QString TppSystemVariable::textOf(const QVariant& current) const {
    QString text;
    if (isPlainText(varType_)) {
        text = current.toString();
    } else {
        const QString format = OnFormat || FormatHeard() ? QString() : DisplayFormat();
        text = FormatValue(format, DataType(), current, localeSettingsOf(*this));
    }
    OnFormat(const_cast<TppSystemVariable*>(this), DisplayFormat(), DataType(), current, text);
    BroadcastFormat(DisplayFormat(), DataType(), current, text);
    return text;
}

QString TppSystemVariable::RawText() const {
    return textOf(value());
}

QString TppSystemVariable::PageText(int pageNo, int pageCount) const {
    switch (varType_) {
    case vtPageCount:
        return textOf(pageCount);
    case vtPageNo:
        return textOf(pageNo);
    default:
        return textOf(VariableText(varType_, pageNo, pageCount));
    }
}

const ClassInfo* TppSystemVariable::CommandClass() const {
    return &TppDrawVar::staticClassInfo();
}

void TppSystemVariable::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomVariable::PropertiesToDrawCommand(command);
    auto* var = dynamic_cast<TppDrawVar*>(&command);
    if (!var)
        return;
    var->VarType = varType_;
    // A one-pass report learns the page count only after the page is made:
    // the refreshed numbers keep this variable's display format and OnFormat.
    var->PageText = [this, alive = AliveFlag()](int pageNo, int pageCount) -> std::optional<QString> {
        if (!*alive)
            return std::nullopt;
        return PageText(pageNo, pageCount);
    };
}
