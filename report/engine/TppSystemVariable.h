#pragma once

#include "DrawingTypes.h"
#include "TppCustomVariable.h"

// What the system knows while printing: today's date, the time, the
// document's name and the page numbers ("Page 3 of 12"). Dates and times
// come from the report's clock; outside printing the page kinds read as
// page 1 of 1. The page kinds' draw commands are brought up to date once the
// page count is known.
class TppSystemVariable : public TppCustomVariable {
public:
    PW_CLASS_INFO

    explicit TppSystemVariable(OwnedComponent* owner = nullptr);
    ~TppSystemVariable() override;

    TppVarType VarType() const { return varType_; }
    // "n of m" needs the page count while the pages are drawn, so choosing
    // it makes its report count the pages in a first pass.
    void SetVarType(TppVarType kind);

    TppDataType DataType() const override;

    // May replace the text of each value: (sender, format, data type, value, text).
    TppEvent<TppCommunicator*, const QString&, TppDataType, const QVariant&, QString&> OnFormat;

    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    // The text of a page-number kind for the given numbers, formatted as
    // the text of the page would be.
    QString PageText(int pageNo, int pageCount) const;

protected:
    QString RawText() const override;

private:
    QVariant value() const;
    QString textOf(const QVariant& current) const;

    TppVarType varType_ = vtDate;
};
