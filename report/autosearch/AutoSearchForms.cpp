#include "AutoSearchForms.h"

#include "FormRegistry.h"
#include "TppAutoSearchDialog.h"

void registerAutoSearchDialog() {
    FormRegistry::instance().RegisterForm(TppCustomAutoSearchDialog::abstractName(),
                                          []() -> TppForm* { return new TppAutoSearchDialog(); });
}

void unregisterAutoSearchDialog() {
    FormRegistry::instance().UnregisterForm(TppCustomAutoSearchDialog::abstractName());
}
