#include "SubReportTemplates.h"

#include "ComponentWriter.h"
#include "DesignerDialogs.h"
#include "LayoutOwner.h"
#include "TppChildReport.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppReportTemplate.h"
#include "TppSubReport.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

#include <QFileInfo>

namespace {

template <class Band> void addBand(TppCustomReport& report) {
    newLayoutObject<Band>(report)->SetReport(&report);
}

QByteArray layoutOf(const DesignerController& designer, const TppCustomReport& report) {
    return WriteComponents({&report}, &designer.scope(), StreamForm::Binary);
}

// The template's settings come back whatever the load or save did with them.
class KeptTemplateSettings {
public:
    explicit KeptTemplateSettings(TppReportTemplate& kept) : kept_(kept) { settings_.Assign(kept); }
    ~KeptTemplateSettings() { kept_.Assign(settings_); }
    KeptTemplateSettings(const KeptTemplateSettings&) = delete;
    KeptTemplateSettings& operator=(const KeptTemplateSettings&) = delete;

private:
    TppReportTemplate& kept_;
    TppCustomTemplate settings_;
};

// The layout read stands in for the child, which keeps its name. The child
// steps aside while it is read: else the report read would take the next
// free name of its kind and push a nested child report stored under that
// name to another, and what was saved would not come back as it was.
template <class Load> void loadUnderOwnName(TppChildReport& child, const Load& load) {
    const QString name = child.Name();
    child.SetName(QString());
    try {
        load();
    } catch (...) {
        child.SetName(name);
        throw;
    }
    OwnedComponent* owner = child.Owner();
    if (owner && owner->FindComponent(name))
        child.SetName(UniqueComponentName(owner, ClassNameWithoutT(child), &child));
    else
        child.SetName(name);
}

QString subReportFileName(const TppChildReport& child) {
    const TppSubReport* subReport = child.SubReport();
    const QString name = subReport && !subReport->UserName().isEmpty() ? subReport->UserName() : child.Name();
    return name + QStringLiteral(".rtm");
}

} // namespace

void createChildReport(TppSubReport& subReport) {
    if (subReport.ChildReportIfAny())
        return;
    TppChildReport& child = *subReport.ChildReport();
    if (subReport.PrintBehavior() == pbChild) {
        addBand<TppTitleBand>(child);
        addBand<TppDetailBand>(child);
        addBand<TppSummaryBand>(child);
    } else {
        addBand<TppHeaderBand>(child);
        addBand<TppDetailBand>(child);
        addBand<TppFooterBand>(child);
    }
}

TppChildReport* designedChildReport(const DesignerController& designer) {
    return dynamic_cast<TppChildReport*>(&designer.report());
}

bool saveSubReport(DesignerController& designer, DesignerDialogs& dialogs) {
    TppChildReport* child = designedChildReport(designer);
    if (!child)
        return false;
    TppReportTemplate& childTemplate = ReportTemplate(*child);
    QString file;
    // A read-only file is asked about again rather than written over.
    for (;;) {
        file = dialogs.saveFileName(childTemplate.FileFilter(), subReportFileName(*child));
        if (file.isEmpty())
            return false;
        if (QFileInfo(file).suffix().isEmpty() && !QFileInfo(file).exists())
            file += QStringLiteral(".") + childTemplate.FileExtension();
        if (!TppTemplate::IsReadOnlyFile(file))
            break;
        dialogs.showMessage(QStringLiteral("File is read-only."));
    }
    const KeptTemplateSettings kept(childTemplate);
    childTemplate.SetSaveTo(stFile);
    childTemplate.SetFileName(file);
    childTemplate.SaveToFile();
    return true;
}

bool loadSubReport(DesignerController& designer, DesignerDialogs& dialogs) {
    TppChildReport* child = designedChildReport(designer);
    if (!child)
        return false;
    TppReportTemplate& childTemplate = ReportTemplate(*child);
    const QString file = dialogs.openFileName(childTemplate.FileFilter(), subReportFileName(*child));
    if (file.isEmpty())
        return false;
    const QByteArray before = layoutOf(designer, *child);
    // The old components go; nothing of them may stay selected.
    designer.clearSelection();
    {
        const KeptTemplateSettings kept(childTemplate);
        childTemplate.SetFileName(file);
        loadUnderOwnName(*child, [&] { childTemplate.LoadFromFile(); });
    }
    designer.undoStack().push(new ChildLayoutCommand(designer, before, layoutOf(designer, *child)));
    designer.markModified();
    designer.notifyChanged();
    return true;
}

ChildLayoutCommand::ChildLayoutCommand(DesignerController& designer, QByteArray before, QByteArray after)
    : QUndoCommand(QStringLiteral("Load SubReport")), designer_(designer), before_(std::move(before)),
      after_(std::move(after)) {}

void ChildLayoutCommand::load(const QByteArray& layout) {
    TppChildReport* child = designedChildReport(designer_);
    if (!child)
        return;
    designer_.clearSelection();
    TppReportTemplate& childTemplate = ReportTemplate(*child);
    const KeptTemplateSettings kept(childTemplate);
    loadUnderOwnName(*child, [&] { childTemplate.LoadFromBytes(layout); });
    designer_.markModified();
    designer_.notifyChanged();
}

void ChildLayoutCommand::undo() {
    madeIn_.enter(designer_);
    load(before_);
}

void ChildLayoutCommand::redo() {
    madeIn_.enter(designer_);
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    load(after_);
}
