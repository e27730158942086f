#pragma once

#include "TppPrinterSetup.h"
#include "TppRelative.h"
#include "WeakReference.h"

#include <QDateTime>
#include <memory>

class PageDrawTarget;
class TppDrawCommand;
class TppOutlineDrawCommand;

// A generated page: a device-independent list of draw commands, its
// children in drawing order (later ones paint over earlier ones), with the
// numbers and the paper it was made for. The page owns its commands.
class TppPage : public TppRelative {
public:
    PW_CLASS_INFO

    explicit TppPage(OwnedComponent* owner = nullptr);
    ~TppPage() override;

    int AbsolutePageNo = 0;
    int AbsolutePageCount = 0;
    int PageNo = 0;
    int PageCount = 0;
    int ControlGroupBreakNo = 0;
    bool Calculation = false;
    bool Final = false;
    bool FirstPage = false;
    bool LastPage = false;
    TppPassSettingType PassSetting = psOnePass;
    QString DocumentName;
    int LanguageIndex = 0;
    QDateTime PrintDateTime;
    int Color = 0xFFFFFF;

    TppPrinterSetup& PrinterSetup() { return printerSetup_; }
    const TppPrinterSetup& PrinterSetup() const { return printerSetup_; }
    void SetPrinterSetup(const TppPrinterSetup& setup) { printerSetup_.Assign(setup); }
    const TppPageDef& PageDef() const { return printerSetup_.PageDef(); }
    OwnedComponent* SourceReport() const { return sourceReport_.get(); }
    void SetSourceReport(TppCommunicator* report);

    int DrawCommandCount() const { return ChildCount(); }
    TppDrawCommand* DrawCommand(int index) const;
    // Appends the command as the last child and takes it over from its
    // owner. A second outline command is refused with EOutlineError.
    void AddDrawCommand(TppDrawCommand* command);
    // Takes the command off the page without freeing it.
    void RemoveDrawCommand(TppDrawCommand* command);
    // Empty when none; the lists exist only while they hold commands.
    QList<TppDrawCommand*> ClickableCommands() const;
    QList<TppDrawCommand*> UpdatableCommands() const;

    // A deep copy: every field, the printer setup by value, and a new
    // command of the same class for every command of the source.
    void Assign(const TppPage& source);
    void ResetPage();
    QString PageText() const;
    QString PageOfText() const;
    TppDrawCommand* FindDrawCommandOfClass(const ClassInfo& info) const;
    TppOutlineDrawCommand* FindOutlineDrawCommand() const;
    // Asks the device to redraw every command whose text changed.
    void RefreshUpdatables(PageDrawTarget* target);

    void Loaded() override;

private:
    void freeDrawCommands();
    // Marks the command as the page's and lists it as clickable or updatable.
    void enlist(TppDrawCommand* command);

    TppPrinterSetup printerSetup_{this};
    WeakReference<TppCommunicator> sourceReport_;
    std::unique_ptr<QList<TppDrawCommand*>> clickable_;
    std::unique_ptr<QList<TppDrawCommand*>> updatable_;
};
