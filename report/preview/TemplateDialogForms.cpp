#include "TemplateDialogForms.h"

#include "FormRegistry.h"
#include "TppFileDialog.h"
#include "TppTemplateDialog.h"
#include "TppTemplateErrorDialog.h"

void registerTemplateDialogs(std::function<QWidget*()> parent) {
    const auto parentWindow = [parent] { return parent ? parent() : nullptr; };
    FormRegistry& registry = FormRegistry::instance();
    registry.RegisterForm(TppCustomFileDialog::abstractName(),
                          [parentWindow]() -> TppForm* { return new TppFileDialog(parentWindow()); });
    registry.RegisterForm(TppCustomTemplateDialog::abstractName(),
                          [parentWindow]() -> TppForm* { return new TppTemplateDialog(parentWindow()); });
    registry.RegisterForm(TppCustomTemplateErrorDialog::abstractName(), [parentWindow]() -> TppForm* {
        return new TppTemplateErrorDialog(parentWindow());
    });
}

void unregisterTemplateDialogs() {
    FormRegistry& registry = FormRegistry::instance();
    for (const QString& name : {TppCustomFileDialog::abstractName(), TppCustomTemplateDialog::abstractName(),
                                TppCustomTemplateErrorDialog::abstractName()})
        registry.UnregisterForm(name);
}
