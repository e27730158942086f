#pragma once

class TppComponent;
class TppDrawCommand;
class TppPage;

// How every component class turns into a draw command on the page, in this
// order: the command of its CommandClass is created, filled from the
// component (PropertiesToDrawCommand), made clickable when someone listens
// for clicks, announced to OnDrawCommandCreate, put on the page, and then
// announced to the script handlers.
void createDrawCommand(TppComponent& component, TppPage& page);

// What every command takes from its component: Tag, the field's data type
// when the data is available, the band, and the box of PrintRect.
void copyComponentProperties(const TppComponent& component, TppDrawCommand& command);

// A click on a command in the preview: OnDrawCommandClick, then the script handlers.
void fireDrawCommandClick(TppComponent& component, TppDrawCommand& command);
