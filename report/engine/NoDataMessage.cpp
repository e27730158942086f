#include "NoDataMessage.h"

#include "TppDrawText.h"
#include "TppPageDef.h"
#include "TppResourceManager.h"
#include "Units.h"

TppDrawText* makeNoDataMessage(const TppPageDef& page, int spaceUsed) {
    auto* message = new TppDrawText();
    message->AutoSize = true;
    message->Font.name = QStringLiteral("Arial");
    message->Font.size = 12;
    message->Font.color = clBlack;
    message->Transparent = true;
    message->WordWrap = false;
    message->IsMemo = false;
    message->Text = LanguageString(kMsgNoDataFound);
    const int width = UnitsToMM(110, utScreenPixels, Axis::Horizontal);
    const int height = UnitsToMM(18, utScreenPixels, Axis::Vertical);
    message->SetBox((page.printableWidth() - width) / 2, (spaceUsed - height) / 2, width, height);
    return message;
}
