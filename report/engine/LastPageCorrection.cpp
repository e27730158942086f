#include "LastPageCorrection.h"

#include "TppBandEngine.h"
#include "TppDrawCommand.h"
#include "TppPage.h"
#include "TppPageBand.h"

#include <algorithm>
#include <functional>

namespace {

QList<TppDrawCommand*> commandsOf(const TppPage& page) {
    QList<TppDrawCommand*> commands;
    for (int index = 0; index < page.DrawCommandCount(); ++index)
        commands.append(page.DrawCommand(index));
    return commands;
}

void removeCommandsOf(TppPage& page, const TppBand* band) {
    for (TppDrawCommand* command : commandsOf(page))
        if (command->SourceBand() == band) {
            page.RemoveDrawCommand(command);
            delete command;
        }
}

void moveCommands(const TppPage& page, int distance, const std::function<bool(const TppBand*)>& which) {
    for (TppDrawCommand* command : commandsOf(page))
        if (which(command->SourceBand()))
            command->SetTop(command->Top() + distance);
}

int bandType(const TppBand* band) { return band ? band->BandTypeCode() : -1; }

bool leftOnLastPage(const TppBand& band) { return !static_cast<const TppPageBand&>(band).PrintOnLastPage(); }

} // namespace

void removeBandsOffLastPage(TppPage& page, const QList<TppBandEngine*>& headers,
                            const QList<TppBandEngine*>& footers) {
    int headerSpace = 0;
    for (const TppBandEngine* engine : headers) {
        const TppBand& band = engine->Band();
        headerSpace = std::max(headerSpace, band.SpaceUsed);
        if (!leftOnLastPage(band))
            continue;
        removeCommandsOf(page, &band);
        moveCommands(page, -headerSpace, [](const TppBand* source) {
            const int type = bandType(source);
            return type != btTitle && type != btFooter && type != btColumnFooter;
        });
    }
    int footerSpace = 0;
    for (const TppBandEngine* engine : footers) {
        const TppBand& band = engine->Band();
        footerSpace = band.SpaceUsed > footerSpace ? band.SpaceUsed : band.mmHeight();
        if (!leftOnLastPage(band))
            continue;
        removeCommandsOf(page, &band);
        moveCommands(page, footerSpace, [](const TppBand* source) { return bandType(source) == btColumnFooter; });
    }
}
