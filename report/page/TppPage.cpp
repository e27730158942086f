#include "TppPage.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "PageDrawTarget.h"
#include "PagewrightErrors.h"
#include "TppDrawCommand.h"
#include "TppOutlineDrawCommand.h"
#include "TppResourceManager.h"

const ClassInfo& TppPage::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPage>("TppPage", &TppRelative::staticClassInfo(), [](auto& c) {
            const auto integer = [&c](const char* name, int TppPage::*member) {
                c.property(
                     name, [member](const TppPage& p) { return p.*member; },
                     [member](TppPage& p, int v) { p.*member = v; })
                    .withDefault(0);
            };
            const auto boolean = [&c](const char* name, bool TppPage::*member) {
                c.property(
                     name, [member](const TppPage& p) { return p.*member; },
                     [member](TppPage& p, bool v) { p.*member = v; })
                    .withDefault(false);
            };
            integer("AbsolutePageCount", &TppPage::AbsolutePageCount);
            integer("AbsolutePageNo", &TppPage::AbsolutePageNo);
            boolean("Calculation", &TppPage::Calculation);
            c.property(
                 "Color", [](const TppPage& p) { return p.Color; }, [](TppPage& p, int v) { p.Color = v; })
                .idents(colorIdents())
                .withDefault(0xFFFFFF);
            integer("ControlGroupBreakNo", &TppPage::ControlGroupBreakNo);
            c.property(
                "DocumentName", [](const TppPage& p) { return p.DocumentName; },
                [](TppPage& p, const QString& v) { p.DocumentName = v; });
            boolean("Final", &TppPage::Final);
            boolean("FirstPage", &TppPage::FirstPage);
            integer("LanguageIndex", &TppPage::LanguageIndex);
            boolean("LastPage", &TppPage::LastPage);
            integer("PageCount", &TppPage::PageCount);
            integer("PageNo", &TppPage::PageNo);
            c.property(
                 "PassSetting", [](const TppPage& p) { return p.PassSetting; },
                 [](TppPage& p, TppPassSettingType v) { p.PassSetting = v; })
                .names(enumerationNames("TppPassSettingType"))
                .withDefault(psOnePass);
            // Days since 30 December 1899, as date-times are stored.
            c.property(
                "PrintDateTime",
                [](const TppPage& p) {
                    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
                    return p.PrintDateTime.isValid() ? epoch.msecsTo(p.PrintDateTime) / 86400000.0 : 0.0;
                },
                [](TppPage& p, double days) {
                    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
                    p.PrintDateTime = epoch.addMSecs(qint64(days * 86400000.0));
                });
            c.object("PrinterSetup", [](TppPage& p) -> Persistent* { return &p.printerSetup_; });
        });
    return info;
}

TppPage::TppPage(OwnedComponent* owner) : TppRelative(owner) {}

TppPage::~TppPage() {
    markDestroying();
    freeDrawCommands();
    SetSourceReport(nullptr);
}

void TppPage::SetSourceReport(TppCommunicator* report) {
    sourceReport_.reset(report);
}

TppDrawCommand* TppPage::DrawCommand(int index) const {
    return static_cast<TppDrawCommand*>(Child(index));
}

void TppPage::AddDrawCommand(TppDrawCommand* command) {
    if (!command || command->page_ == this)
        return;
    if (dynamic_cast<TppOutlineDrawCommand*>(command) && FindOutlineDrawCommand())
        throw EOutlineError(QStringLiteral(
            "TppPage.AddDrawCommand: Cannot add more than one draw outline command per page."));
    if (command->page_)
        command->page_->RemoveDrawCommand(command);
    if (command->Owner() != this)
        command->ChangeOwner(this);
    command->SetParent(this);
    enlist(command);
}

void TppPage::enlist(TppDrawCommand* command) {
    command->page_ = this;
    const auto append = [command](std::unique_ptr<QList<TppDrawCommand*>>& list) {
        if (!list)
            list = std::make_unique<QList<TppDrawCommand*>>();
        list->append(command);
    };
    if (command->IsUpdatable())
        append(updatable_);
    if (command->Clickable())
        append(clickable_);
}

void TppPage::RemoveDrawCommand(TppDrawCommand* command) {
    if (!command || command->page_ != this)
        return;
    command->page_ = nullptr;
    command->SetParent(nullptr);
    const auto delist = [command](std::unique_ptr<QList<TppDrawCommand*>>& list) {
        if (list && list->removeAll(command) > 0 && list->isEmpty())
            list.reset();
    };
    delist(clickable_);
    delist(updatable_);
    if (!isDestroying() && command->Owner() == this)
        command->ChangeOwner(nullptr);
}

QList<TppDrawCommand*> TppPage::ClickableCommands() const {
    return clickable_ ? *clickable_ : QList<TppDrawCommand*>();
}

QList<TppDrawCommand*> TppPage::UpdatableCommands() const {
    return updatable_ ? *updatable_ : QList<TppDrawCommand*>();
}

void TppPage::freeDrawCommands() {
    while (ChildCount() > 0) {
        TppDrawCommand* command = DrawCommand(ChildCount() - 1);
        // Owned by the page: freeing it takes it off the page.
        RemoveDrawCommand(command);
        delete command;
    }
}

void TppPage::Assign(const TppPage& source) {
    if (&source == this)
        return;
    AbsolutePageNo = source.AbsolutePageNo;
    AbsolutePageCount = source.AbsolutePageCount;
    PageNo = source.PageNo;
    PageCount = source.PageCount;
    ControlGroupBreakNo = source.ControlGroupBreakNo;
    Calculation = source.Calculation;
    Final = source.Final;
    FirstPage = source.FirstPage;
    LastPage = source.LastPage;
    PassSetting = source.PassSetting;
    DocumentName = source.DocumentName;
    LanguageIndex = source.LanguageIndex;
    PrintDateTime = source.PrintDateTime;
    Color = source.Color;
    SetSourceReport(source.sourceReport_.get());
    printerSetup_.Assign(source.printerSetup_);
    freeDrawCommands();
    for (int i = 0; i < source.DrawCommandCount(); ++i) {
        const TppDrawCommand* original = source.DrawCommand(i);
        auto* copy = static_cast<TppDrawCommand*>(original->classInfo().create(this));
        copy->Assign(*original);
        AddDrawCommand(copy);
    }
}

void TppPage::ResetPage() {
    freeDrawCommands();
    AbsolutePageNo = AbsolutePageCount = PageNo = PageCount = ControlGroupBreakNo = LanguageIndex = 0;
    DocumentName.clear();
    Calculation = Final = LastPage = false;
}

QString TppPage::PageText() const {
    return LanguageString(kMsgPage) + u' ' + QString::number(AbsolutePageNo);
}

QString TppPage::PageOfText() const {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(LanguageString(kMsgPage))
        .arg(AbsolutePageNo)
        .arg(LanguageString(kMsgOf))
        .arg(AbsolutePageCount);
}

TppDrawCommand* TppPage::FindDrawCommandOfClass(const ClassInfo& info) const {
    for (TppRelative* child : children())
        if (child->classInfo().inheritsFrom(info))
            return static_cast<TppDrawCommand*>(child);
    return nullptr;
}

TppOutlineDrawCommand* TppPage::FindOutlineDrawCommand() const {
    return static_cast<TppOutlineDrawCommand*>(
        FindDrawCommandOfClass(TppOutlineDrawCommand::staticClassInfo()));
}

void TppPage::RefreshUpdatables(PageDrawTarget* target) {
    if (!target || !updatable_)
        return;
    const QList<TppDrawCommand*> commands = *updatable_;
    for (TppDrawCommand* command : commands)
        if (command->UpdateText())
            target->RedrawCommand(*command);
}

void TppPage::Loaded() {
    TppRelative::Loaded();
    printerSetup_.Refresh();
    // Commands read from an archive join the page's lists as they would
    // have when added.
    const QList<TppRelative*> commands = children();
    for (TppRelative* child : commands)
        if (auto* command = dynamic_cast<TppDrawCommand*>(child); command && command->page_ != this)
            enlist(command);
}
