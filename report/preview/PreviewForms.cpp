#include "PreviewForms.h"

#include "FormRegistry.h"
#include "TppPrintPreview.h"
#include "TppProducer.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"

void registerPreviewForms(const PreviewEnvironment& environment) {
    FormRegistry::instance().RegisterForm(TppCustomPreviewer::abstractName(), [environment]() -> TppForm* {
        auto* form = new TppPrintPreview();
        form->SetErrorPrompter(environment.prompter);
        if (environment.processMessages)
            form->Viewer()->ProcessMessages = environment.processMessages;
        if (environment.screen)
            form->Viewer()->ScreenDevice().SetScreenResolution(*environment.screen);
        return form;
    });
    TraWindowObjects::shareForm<TppPrintPreview>("PreviewForm", &TppProducer::PreviewForm);
}

void unregisterPreviewForms() {
    FormRegistry::instance().UnregisterForm(TppCustomPreviewer::abstractName());
    TraWindowObjects::setSource("PreviewForm", {});
}
