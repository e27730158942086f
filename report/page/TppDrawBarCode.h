#pragma once

#include "DrawingTypes.h"
#include "TppBarCodeOrientation.h"
#include "TppBarCodeType.h"
#include "TppDrawCommand.h"
#include "TppFont.h"

// A barcode: its data and settings as the barcode component had them.
// The barcode layer encodes and draws it through the renderer it registers
// for this class. BarWidth is in thousandths of a millimetre.
class TppDrawBarCode : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawBarCode(OwnedComponent* owner = nullptr);

    TppBarCodeType BarCodeType = bcCode39;
    QString Data;
    QString AddOnCode;
    bool AutoEncode = false;
    bool AutoSize = true;
    bool AutoSizeFont = true;
    int BarColor = clBlack;
    int BarWidth = 0;
    float WideBarRatio = 0;
    bool BearerBars = false;
    bool CalcCheckDigit = true;
    bool CodeOK = true;
    int Color = clWhite;
    TppFont Font;
    TAlignment Alignment = taLeftJustify;
    TppBarCodeOrientation Orientation = orLeftToRight;
    bool PrintHumanReadable = true;
    bool Transparent = false;

    void Draw(PageDrawTarget& target) override;
    void Assign(const TppDrawCommand& source) override;
};
