#include "PrintDialogForms.h"

#include "FormRegistry.h"
#include "PrinterProperties.h"
#include "TppCancelDialog.h"
#include "TppNoDataDialog.h"
#include "TppPrintDialog.h"
#include "TppProducer.h"

void registerPrintDialogs(Prompter* prompter) {
    FormRegistry& forms = FormRegistry::instance();
    forms.RegisterForm(TppCustomPrintDialog::abstractName(), [prompter]() -> TppForm* {
        auto* dialog = new TppPrintDialog();
        dialog->MessagePrompter = prompter;
        dialog->ShowPrinterProperties = showPrinterProperties;
        return dialog;
    });
    forms.RegisterForm(TppCustomCancelDialog::abstractName(),
                       []() -> TppForm* { return new TppCancelDialog(); });
    forms.RegisterForm(TppCustomNoDataDialog::abstractName(),
                       []() -> TppForm* { return new TppNoDataDialog(); });
    TraWindowObjects::shareForm<TppPrintDialog>("PrintDialog", &TppProducer::PrintDialog);
    TraWindowObjects::shareForm<TppCancelDialog>("CancelDialog", &TppProducer::CancelDialog);
}

void unregisterPrintDialogs() {
    FormRegistry& forms = FormRegistry::instance();
    forms.UnregisterForm(TppCustomPrintDialog::abstractName());
    forms.UnregisterForm(TppCustomCancelDialog::abstractName());
    forms.UnregisterForm(TppCustomNoDataDialog::abstractName());
    TraWindowObjects::setSource("PrintDialog", {});
    TraWindowObjects::setSource("CancelDialog", {});
}
