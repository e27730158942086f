#pragma once

#include "TppBand.h"
#include "TppComponentPass.h"
#include "TppPage.h"

// The band engine's part of a pass, for tests of components: the band placed
// at `top` with the page bottom at `bottom`, its components generated and
// drawn on `page`, which starts empty.
inline TppPage& runBandPass(TppComponentPass& pass, TppBand& band, TppPage& page, int top, int bottom) {
    band.PrintRect = {5000, top, 205000, top};
    band.CurrentPosition = top;
    band.PageBottom = bottom;
    band.SpaceUsed = 0;
    band.GenerationComplete = false;
    band.OutOfSpace = false;
    pass.ResetForBand();
    pass.GenerateComponents();
    page.ResetPage();
    pass.DrawComponents(page);
    pass.FinishBandPass();
    return page;
}
