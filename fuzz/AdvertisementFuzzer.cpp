// Feeds arbitrary bytes to the advertisement strip's reader as the body of
// the configured web page: its text as a browser shows it (HTML or plain,
// in the charset the content type names), the lines up to "##AdsEnd##",
// and each line as headline|description|target{link text}. Crashes,
// sanitizer reports and hangs are findings.

#include "AdvertisementPage.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray contentTypes[] = {
        "text/html",
        "text/html; charset=utf-8",
        "text/plain; charset=\"iso-8859-1\"",
        "text/plain",
        "text/html; charset=windows-1252",
        "text/html; charset=bogus",
        "application/xhtml+xml",
    };
    FuzzSettings settings(bytesOf(data, size));
    const QByteArray& contentType = contentTypes[settings.choice(int(std::size(contentTypes)))];
    const QStringList lines = advertisementLines(pageTextLines(settings.rest().toByteArray(), contentType));
    for (const QString& line : lines)
        (void)parseAdvertisement(line);
    return 0;
}
