#include "PrintableDrawing.h"

#include "TppComponent.h"
#include "TppDataPipeline.h"
#include "TppDrawCommand.h"
#include "TppPage.h"

#include <memory>

namespace {

TppEventParams commandParams(TppDrawCommand& command) {
    return {QVariant::fromValue(static_cast<TppCommunicator*>(&command))};
}

} // namespace

void createDrawCommand(TppComponent& component, TppPage& page) {
    const ClassInfo* commandClass = component.CommandClass();
    if (!commandClass)
        return;
    std::unique_ptr<TppDrawCommand> command(dynamic_cast<TppDrawCommand*>(commandClass->create(nullptr)));
    if (!command)
        return;
    component.PropertiesToDrawCommand(*command);
    command->SetClickable(bool(component.OnDrawCommandClick) ||
                          component.HasEventSubscriber(ciPrintableDrawCommandClick));
    // Pages outlive their components (the page cache, the preview), so the
    // handler checks that the component still exists.
    command->ClickHandler = [target = &component, alive = component.AliveFlag()](TppDrawCommand* sender) {
        if (*alive && sender)
            target->DrawCommandClick(*sender);
    };
    component.OnDrawCommandCreate(&component, command.get());
    TppDrawCommand* placed = command.release();
    page.AddDrawCommand(placed);
    TppEventParams params = commandParams(*placed);
    component.BroadcastEvent(&component, ciPrintableDrawCommandCreate, &params);
}

void copyComponentProperties(const TppComponent& component, TppDrawCommand& command) {
    command.SetTag(component.Tag());
    TppDataPipeline* pipeline = component.DataPipeline();
    if (!component.DataField().isEmpty() && pipeline && pipeline->Active())
        command.SetDataType(pipeline->GetFieldDataType(component.DataField()));
    command.SetSourceBand(component.Band());
    const TppPrintRect& box = component.PrintRect;
    command.SetBox(box.Left, box.Top, box.Width(), box.Height());
}

void fireDrawCommandClick(TppComponent& component, TppDrawCommand& command) {
    component.OnDrawCommandClick(&component, &command);
    TppEventParams params = commandParams(command);
    component.BroadcastEvent(&component, ciPrintableDrawCommandClick, &params);
}
