#pragma once

#include "TppPage.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>
#include <vector>

class PageSink;
class TppPageRequest;
class TppProducer;

using PageList = std::vector<std::unique_ptr<TppPage>>;

// Runs one print job of `report` onto a device of our own that asks for the
// request's pages, leaving the report's DeviceType and windows out of it;
// answers copies of the pages in page order. Generation errors propagate
// after the device has left the report's publisher.
PageList printToPages(TppProducer& report, const TppPageRequest& request);

// Where the command-line tools write pages: the page dump on standard
// output, one picture per page into a folder, or a PDF file.
struct PageOutput {
    enum class Kind { Dump, Pictures, Pdf };
    Kind kind = Kind::Dump;
    QString folder;
    int pixelsPerInch = 96;
    QString file; // the PDF file

    // Takes "--dump", "--png DIR" (with "--dpi N" for pictures at another
    // resolution) or "--pdf FILE" out of `arguments`; exactly one of them
    // must be there, otherwise `error` says what is wrong.
    static std::optional<PageOutput> take(QStringList& arguments, QString& error);
    // What writes the pages as they come.
    std::unique_ptr<PageSink> sink(QTextStream& out) const;
};

// Writes the pages; EPagewrightError when a picture cannot be written.
void writePages(const PageList& pages, const PageOutput& output, QTextStream& out);
