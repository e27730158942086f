#include "AutoSearchForms.h"

#include "FormRegistry.h"
#include "TppAutoSearchDialog.h"
#include "TppReport.h"

void registerAutoSearchDialog() {
    FormRegistry::instance().RegisterForm(TppCustomAutoSearchDialog::abstractName(),
                                          []() -> TppForm* { return new TppAutoSearchDialog(); });
    TraWindowObjects::shareForm<TppAutoSearchDialog>("AutoSearchDialog", &TppReport::AutoSearchDialog);
}

void unregisterAutoSearchDialog() {
    FormRegistry::instance().UnregisterForm(TppCustomAutoSearchDialog::abstractName());
    TraWindowObjects::setSource("AutoSearchDialog", {});
}
