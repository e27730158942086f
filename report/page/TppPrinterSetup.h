#pragma once

#include "Persistent.h"
#include "TppPageDef.h"
#include "TppPrinterInfo.h"
#include "TppTypes.h"
#include "Units.h"

#include <functional>
#include <memory>

class OwnedComponent;

enum TPrinterOrientation : int { poPortrait, poLandscape };
enum TppDuplexType : int { dpNone, dpHorizontal, dpVertical };

// Which printer and paper a report, a page or a printer object uses: the
// paper and margins as a page definition in thousandths of a millimetre
// (size as placed, already swapped for landscape), shown in the report's
// units; orientation, bin, copies, collation, duplex and the job's name.
//
// Changes are validated (OnValidatePageDef) and announced only while Active
// and while the owner is not being read from a template.
class TppPrinterSetup : public Persistent {
public:
    PW_CLASS_INFO

    explicit TppPrinterSetup(OwnedComponent* owner = nullptr);
    TppPrinterSetup(const TppPrinterSetup& other);
    TppPrinterSetup& operator=(const TppPrinterSetup& other);

    // The decimal separator of the user's locale chooses the first paper of
    // every new setup: Letter where it is the point, else A4.
    static void SetLocaleDecimalSeparator(QChar separator);
    static TppPageDef InitialPageDef();

    QString PrinterName() const { return printerName_; }
    void SetPrinterName(const QString& name);
    QString PaperName() const;
    void SetPaperName(const QString& name);
    float PaperWidth() const;
    void SetPaperWidth(float value);
    float PaperHeight() const;
    void SetPaperHeight(float value);
    float MarginLeft() const;
    void SetMarginLeft(float value);
    float MarginRight() const;
    void SetMarginRight(float value);
    float MarginTop() const;
    void SetMarginTop(float value);
    float MarginBottom() const;
    void SetMarginBottom(float value);
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation);
    QString BinName() const { return binName_; }
    void SetBinName(const QString& name);
    int Copies() const { return copies_; }
    void SetCopies(int copies);
    bool Collation() const { return collation_; }
    void SetCollation(bool value);
    TppDuplexType Duplex() const { return duplex_; }
    void SetDuplex(TppDuplexType value);
    QString DocumentName() const { return documentName_; }
    void SetDocumentName(const QString& name);

    // The page definition's own values, as templates store them.
    void SetmmPaperWidth(int value);
    void SetmmPaperHeight(int value);
    void SetmmMargin(int TppPageDef::*margin, int value);
    // The printer's code for the current paper: 256 when the printer lists
    // no such paper, 0 without printer.
    int PaperSize() const;
    // A code read from a template before the printer is known; the paper
    // name follows it once asked for.
    void SetPaperSize(int code) { pendingPaperCode_ = code; }
    int PendingPaperCode() const { return pendingPaperCode_; }

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    TppUnitType Units() const { return units_; }
    void SetUnits(TppUnitType units);
    const TppPageDef& PageDef() const { return pageDef_; }
    float PrintableWidth() const;
    float PrintableHeight() const;

    QStringList PrinterNames() const;
    QStringList PaperNames() const { return PrinterInfo().paperNames(); }
    QStringList BinNames() const { return PrinterInfo().binNames(); }
    const TppPrinterInfo& PrinterInfo() const;
    QString PrinterDescription() const;
    // The printer name with "Default" resolved to the system's default printer.
    QString EffectivePrinterName() const;

    QString OutputFileName() const { return outputFileName_; }
    void SetOutputFileName(const QString& name) { outputFileName_ = name; }
    bool DelegateCopies() const { return delegateCopies_; }
    void SetDelegateCopies(bool value) { delegateCopies_ = value; }

    bool SameLayout(const TppPrinterSetup& other) const;
    bool SameSettings(const TppPrinterSetup& other) const;
    // Copies every setting (not the owner, not the hooks) and looks the
    // printer up again.
    void Assign(const TppPrinterSetup& other);
    // After reading: the paper a stored code names, and the printer again.
    void Refresh();

    OwnedComponent* Owner() const { return owner_; }
    void SetOwner(OwnedComponent* owner) { owner_ = owner; }

    std::function<void(TppPrinterSetup* setup, const TppPageDef& pageDef, bool& accept)> OnValidatePageDef;
    std::function<void(TppPrinterSetup* setup)> OnPageDefChanged;
    std::function<void(TppPrinterSetup* setup)> OnSettingsChanged;

private:
    bool reading() const;
    bool announcing() const;
    // Validates and takes a new page definition; false when refused.
    bool offerPageDef(const TppPageDef& pageDef);
    void pageDefChanged();
    void settingsChanged();
    void resolvePrinter();
    void resolvePendingPaper() const;
    // The paper's size in the printer's list as placed; none if not listed.
    bool listedPageDef(const QString& name, TppPageDef& pageDef, bool throughUnits) const;
    void setMargin(int TppPageDef::*margin, float value, Axis axis);
    // Paper sizes of 0 or less are refused with EInvalidPropertyError.
    void setPaperSide(int TppPageDef::*side, float value, Axis axis);
    float toUnits(int mm, Axis axis) const;
    int fromUnits(float value, Axis axis) const;

    OwnedComponent* owner_ = nullptr;
    std::shared_ptr<const TppPrinterInfo> printerInfo_;
    QString printerName_ = QStringLiteral("Default");
    mutable QString paperName_ = QStringLiteral("Custom");
    mutable int pendingPaperCode_ = 0;
    TppPageDef pageDef_;
    TPrinterOrientation orientation_ = poPortrait;
    QString binName_ = QStringLiteral("Default");
    int copies_ = 1;
    bool collation_ = true;
    TppDuplexType duplex_ = dpNone;
    QString documentName_;
    bool active_ = true;
    TppUnitType units_ = utInches;
    QString outputFileName_;
    bool delegateCopies_ = false;
};
