#pragma once

#include "DrawingTypes.h"
#include "TppBarCodeOrientation.h"
#include "TppBarCodeType.h"
#include "TppCustomComponent.h"
#include "TppFont.h"

#include <optional>

struct BarCodeEncoding;
class TppDrawBarCode;

// A barcode in one of eleven symbologies: the base of TppBarCode (data
// typed in) and TppDBBarCode (a field's value).
//
// Settings are checked as they are made: a refused value keeps the old one,
// and the user is told why unless the report is generating. The data is
// encoded again whenever it, the symbology or the check digit setting
// changes; refused data leaves the code not OK, and such a barcode draws
// only its background. With AutoSize the box follows the symbol as the
// report's printer prints it; with AutoSizeFont the font follows the bars.
// While a template is read nothing is checked, resized or replaced.
class TppCustomBarCode : public TppCustomComponent {
public:
    PW_CLASS_INFO

    explicit TppCustomBarCode(OwnedComponent* owner = nullptr);
    ~TppCustomBarCode() override;

    TppBarCodeType BarCodeType() const { return type_; }
    // Another symbology brings its sample data, its usual module width and
    // the options it requires; settings it cannot have are dropped.
    void SetBarCodeType(TppBarCodeType type);
    const QString& AddOnCode() const { return addOnCode_; }
    void SetAddOnCode(const QString& code);
    bool AutoEncode() const { return autoEncode_; }
    // Only Code 128 has code sets to choose: elsewhere it stays off.
    void SetAutoEncode(bool value);
    bool AutoSizeFont() const { return autoSizeFont_; }
    void SetAutoSizeFont(bool value);
    // The bars and the text share the font's colour.
    int BarColor() const { return font_.color; }
    void SetBarColor(int color);
    // The module width in the report's units, and as stored.
    float BarWidth() const;
    void SetBarWidth(float width);
    int mmBarWidth() const { return mmBarWidth_; }
    void SetmmBarWidth(int width);
    bool BearerBars() const { return bearerBars_; }
    void SetBearerBars(bool value);
    bool CalcCheckDigit() const { return calcCheckDigit_; }
    void SetCalcCheckDigit(bool value);
    TppBarCodeOrientation Orientation() const { return orientation_; }
    void SetOrientation(TppBarCodeOrientation value);
    bool PrintHumanReadable() const { return printHumanReadable_; }
    void SetPrintHumanReadable(bool value);
    float WideBarRatio() const { return wideBarRatio_; }
    // Below 1 a wide element would be narrower than a narrow one: ignored.
    void SetWideBarRatio(float ratio);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    int Color() const { return color_; }
    void SetColor(int color);
    const TppFont& Font() const { return font_; }
    void SetFont(const TppFont& font);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Whether the data was accepted when last checked.
    bool CodeOK() const { return codeOK_; }

    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    void Loaded() override;

protected:
    // The data to encode now; none when there is nothing to print.
    virtual std::optional<QString> DataToEncode() const = 0;
    // A symbology was chosen: a class with data of its own takes the sample.
    virtual void SampleChosen(const QString&) {}
    // The data is checked again (the user told when it is refused), the
    // symbol followed, and the change reported.
    void DataChanged() { symbolChanged(true); }
    // The same without telling anyone: a new record, a loaded template.
    void DataRefreshed() { symbolChanged(false); }

private:
    BarCodeEncoding encode(const QString& data) const;
    void fillCommand(TppDrawBarCode& command, const QString& data, bool codeOK) const;
    void symbolChanged(bool tellWhenRefused);
    void followSymbol();
    // True when `error` refuses a setting; the user is told.
    bool refused(const std::optional<QString>& error) const;
    void tell(const QString& message) const;
    QString widthInUnits(double inches) const;

    TppBarCodeType type_ = bcCode39;
    QString addOnCode_;
    bool autoEncode_ = false;
    bool autoSizeFont_ = true;
    int mmBarWidth_ = 0;
    bool bearerBars_ = false;
    bool calcCheckDigit_ = true;
    TppBarCodeOrientation orientation_ = orLeftToRight;
    bool printHumanReadable_ = true;
    float wideBarRatio_ = 3;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    int color_ = clWhite;
    TppFont font_;
    bool transparent_ = false;
    bool codeOK_ = true;
};
