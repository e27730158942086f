#include "TppDrawBarCode.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PageDrawTarget.h"

const ClassInfo& TppDrawBarCode::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawBarCode>("TppDrawBarCode", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using B = TppDrawBarCode;
            const auto boolean = [&c](const char* name, bool B::*member, bool fallback) {
                c.property(
                     name, [member](const B& b) { return b.*member; },
                     [member](B& b, bool v) { b.*member = v; })
                    .withDefault(fallback);
            };
            const auto integer = [&c](const char* name, int B::*member, int fallback) {
                c.property(
                     name, [member](const B& b) { return b.*member; },
                     [member](B& b, int v) { b.*member = v; })
                    .withDefault(fallback);
            };
            const auto text = [&c](const char* name, QString B::*member) {
                c.property(
                    name, [member](const B& b) { return b.*member; },
                    [member](B& b, const QString& v) { b.*member = v; });
            };
            text("AddOnCode", &B::AddOnCode);
            c.property(
                 "Alignment", [](const B& b) { return b.Alignment; },
                 [](B& b, TAlignment v) { b.Alignment = v; })
                .names(enumerationNames("TAlignment"))
                .withDefault(taLeftJustify);
            boolean("AutoEncode", &B::AutoEncode, false);
            boolean("AutoSize", &B::AutoSize, true);
            boolean("AutoSizeFont", &B::AutoSizeFont, true);
            c.property(
                 "BarCodeType", [](const B& b) { return b.BarCodeType; },
                 [](B& b, TppBarCodeType v) { b.BarCodeType = v; })
                .names(enumerationNames("TppBarCodeType"));
            integer("BarColor", &B::BarColor, clBlack);
            c.idents(colorIdents());
            integer("BarWidth", &B::BarWidth, 0);
            boolean("BearerBars", &B::BearerBars, false);
            boolean("CalcCheckDigit", &B::CalcCheckDigit, true);
            boolean("CodeOK", &B::CodeOK, true);
            integer("Color", &B::Color, clWhite);
            c.idents(colorIdents());
            text("Data", &B::Data);
            c.object("Font", [](B& b) -> Persistent* { return &b.Font; });
            c.property(
                 "Orientation", [](const B& b) { return b.Orientation; },
                 [](B& b, TppBarCodeOrientation v) { b.Orientation = v; })
                .names(enumerationNames("TppBarCodeOrientation"))
                .withDefault(orLeftToRight);
            boolean("PrintHumanReadable", &B::PrintHumanReadable, true);
            boolean("Transparent", &B::Transparent, false);
            c.property(
                "WideBarRatio", [](const B& b) { return b.WideBarRatio; },
                [](B& b, float v) { b.WideBarRatio = v; });
        });
    return info;
}

TppDrawBarCode::TppDrawBarCode(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtGraphic);
}

// Only raster devices (screen, printer) render barcodes.
void TppDrawBarCode::Draw(PageDrawTarget& target) {
    if (target.IsRasterDevice())
        target.DrawCommand(*this);
}

void TppDrawBarCode::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    const auto* b = dynamic_cast<const TppDrawBarCode*>(&source);
    if (!b)
        return;
    BarCodeType = b->BarCodeType;
    Data = b->Data;
    AddOnCode = b->AddOnCode;
    AutoEncode = b->AutoEncode;
    AutoSize = b->AutoSize;
    AutoSizeFont = b->AutoSizeFont;
    BarColor = b->BarColor;
    BarWidth = b->BarWidth;
    WideBarRatio = b->WideBarRatio;
    BearerBars = b->BearerBars;
    CalcCheckDigit = b->CalcCheckDigit;
    CodeOK = b->CodeOK;
    Color = b->Color;
    Font = b->Font;
    Alignment = b->Alignment;
    Orientation = b->Orientation;
    PrintHumanReadable = b->PrintHumanReadable;
    Transparent = b->Transparent;
}
