#include "TppCalc.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "DateTimeDays.h"
#include "EnumerationNames.h"
#include "PagewrightErrors.h"
#include "TextEnvironment.h"
#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppCustomEngine.h"
#include "TppDisplayFormat.h"
#include "TppDrawCalc.h"
#include "TppReportModel.h"
#include "TppSystemVariable.h"
#include "TppVariable.h"
#include "VariableText.h"

namespace {

TppDataType typeOfKind(TppCalcType type) {
    switch (type) {
    case ctDate:
        return dtDate;
    case ctDateTime:
    case ctPrintDateTime:
        return dtDateTime;
    case ctPageCount:
    case ctPageNo:
        return dtInteger;
    case ctTime:
        return dtTime;
    default:
        return dtString;
    }
}

bool isPageText(TppCalcType type) {
    return type == ctPageSet || type == ctPageSetDesc || type == ctPageNoDesc;
}

// What both replacements take over from the calculation. The bounds come
// last: while the new component still sizes itself, it would fit them to
// its font and lose the size the layout gave it.
void copyLook(const TppCalc& from, TppCustomText& to) {
    to.SetTextAlignment(from.TextAlignment());
    to.SetAutoSize(from.AutoSize());
    to.SetColor(from.Color());
    to.SetDisplayFormat(from.DisplayFormat());
    to.SetFont(from.Font());
    to.SetTransparent(from.Transparent());
    to.SetVisible(from.Visible());
    to.SetWordWrap(from.WordWrap());
    to.SetBounds(from.mmLeft(), from.mmTop(), from.mmWidth(), from.mmHeight());
    to.OnDrawCommandCreate = from.OnDrawCommandCreate;
    to.OnDrawCommandClick = from.OnDrawCommandClick;
    to.OnPrint = from.OnPrint;
}

TppCustomVariable* replacementOf(TppCalc& calc) {
    if (calc.CalcType() == ctCustom) {
        auto* variable = new TppVariable(calc.Owner());
        variable->SetDataType(calc.CustomType());
        variable->OldOnCalc = calc.OnCalc;
        variable->OnFormat = calc.OnFormat;
        return variable;
    }
    auto* system = new TppSystemVariable(calc.Owner());
    TppVarType kind = vtDate;
    calcAsVarType(calc.CalcType(), kind);
    system->SetVarType(kind);
    system->OnFormat = calc.OnFormat;
    return system;
}

} // namespace

const ClassInfo& TppCalc::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCalc>("TppCalc", &TppCustomText::staticClassInfo(), [](auto& c) {
            using T = TppCalc;
            c.property("CalcType", &T::CalcType, &T::SetCalcType)
                .names(enumerationNames("TppCalcType"))
                .withDefault(ctDate);
            c.property("CustomType", &T::CustomType, &T::SetCustomType)
                .names(enumerationNames("TppDataType"))
                .withDefault(dtDateTime);
            c.event("OnCalc", &T::OnCalc);
            c.event("OnFormat", &T::OnFormat);
            // The older name of the custom type.
            c.defined("DataType", PropertyKind::Enumeration, nullptr, [](T& calc, const QVariant& v) {
                const qsizetype type = enumerationNames("TppDataType").indexOf(v.toString());
                if (type >= 0)
                    calc.customType_ = TppDataType(type);
            });
        });
    return info;
}

TppCalc::TppCalc(OwnedComponent* owner) : TppCustomText(owner) {
    initAutoSize(true);
}

TppCalc::~TppCalc() {
    markDestroying();
}

void TppCalc::SetCalcType(TppCalcType type) {
    calcType_ = type;
    if (!isLoading())
        customType_ = typeOfKind(type);
    AdjustBounds();
    Change();
}

void TppCalc::SetCustomType(TppDataType type) {
    if (calcType_ != ctCustom && !isLoading())
        return;
    customType_ = type;
    Change();
}

void TppCalc::SetValue(const QVariant& value) {
    if (calcType_ == ctCustom && value.typeId() == QMetaType::QString)
        customType_ = dtString;
    slots_.Store(customType_, value);
}

void TppCalc::InitForReport() {
    TppCustomText::InitForReport();
    ResetOnCompute = true;
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    slots_.Clear(daysFromDateTime(report ? report->Now() : QDateTime::currentDateTime()));
    listenToGeneration(*this);
}

void TppCalc::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCustomText::EventNotify(sender, kind, params);
    if (kind == ciEngineTraversal) {
        OnCalc(this);
        ResetOnCompute = false;
    }
}

QVariant TppCalc::value() const {
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    const bool printing = reportPrinting(*this) && report && report->Engine();
    const QDateTime now = report ? report->Now() : QDateTime::currentDateTime();
    switch (calcType_) {
    case ctDate:
        return now.date();
    case ctDateTime:
        return now;
    case ctTime:
        return now.time();
    case ctPrintDateTime:
        return printing ? report->Engine()->PrintDateTime : now;
    case ctPageCount:
        return printing ? report->PageCount() : 1;
    case ctPageNo:
        return printing ? report->PageNo() : 1;
    case ctCustom:
        return slots_.ValueOf(customType_);
    default: {
        TppVarType kind = vtPageSet;
        calcAsVarType(calcType_, kind);
        return printing ? VariableText(kind, report->PageNo(), report->PageCount())
                        : VariableText(kind, 1, 1, false);
    }
    }
}

QString TppCalc::RawText() const {
    if (calcType_ == ctCustom && isDesigning() && !reportPrinting(*this))
        return QStringLiteral("Custom");
    const QVariant current = value();
    const TppDataType type = calcType_ == ctCustom ? customType_ : typeOfKind(calcType_);
    QString text;
    if (isPageText(calcType_) || type > dtString) {
        text = type > dtString ? QString() : current.toString();
    } else {
        const QString format = OnFormat || FormatHeard() ? QString() : DisplayFormat();
        try {
            text = FormatValue(format, type, current, localeSettingsOf(*this));
        } catch (const EConvertError&) {
            text = current.toString();
        }
    }
    OnFormat(const_cast<TppCalc*>(this), DisplayFormat(), type, current, text);
    BroadcastFormat(DisplayFormat(), type, current, text);
    return text;
}

const ClassInfo* TppCalc::CommandClass() const {
    return &TppDrawCalc::staticClassInfo();
}

void TppCalc::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomText::PropertiesToDrawCommand(command);
    command.SetDataType(customType_);
    if (auto* calc = dynamic_cast<TppDrawCalc*>(&command))
        calc->CalcType = calcType_;
}

void TppCalc::CacheFields(CacheRecord& record) {
    TppCustomText::CacheFields(record);
    record.field(ResetOnCompute);
    record.field(slots_.boolean);
    record.field(slots_.integer);
    record.field(slots_.dateTime);
    record.field(slots_.number);
}

void ConvertOldCalculations(TppReportModel& report) {
    for (TppBand* band : report.Bands()) {
        const QList<TppComponent*> objects = band->Objects();
        for (TppComponent* component : objects) {
            auto* calc = dynamic_cast<TppCalc*>(component);
            if (!calc)
                continue;
            const int index = band->IndexOfObject(calc);
            TppCustomVariable* replacement = replacementOf(*calc);
            copyLook(*calc, *replacement);
            replacement->SetBand(band);
            band->MoveObject(replacement, index);
            const QString name = calc->Name();
            const QString userName = calc->UserName();
            delete calc;
            replacement->SetName(name);
            replacement->SetUserName(userName);
        }
    }
}
