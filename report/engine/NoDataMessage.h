#pragma once

class TppDrawText;
class TppPageDef;

// "No Data Found", centred across the printable width and halfway down the
// space the page used; owned by the caller until it joins a page.
TppDrawText* makeNoDataMessage(const TppPageDef& page, int spaceUsed);
