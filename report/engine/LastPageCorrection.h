#pragma once

#include <QList>

class TppBandEngine;
class TppPage;

// Headers and footers are generated before a page is known to be the last.
// Once it is, those with PrintOnLastPage False leave it: their commands are
// removed and freed, the body moves up by the headers' height and the
// column footers move down by the footers'.
void removeBandsOffLastPage(TppPage& page, const QList<TppBandEngine*>& headers,
                            const QList<TppBandEngine*>& footers);
