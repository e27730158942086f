// Feeds arbitrary bytes to the component stream: both readers, both writers
// and the reader that creates report objects. Crashes, sanitizer reports and
// a binary stream that does not write back as read are findings; refusals
// with the stream's own errors are not.

#include "ComponentReader.h"
#include "ComponentStream.h"
#include "DataPipelineClasses.h"
#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "ReportModelClasses.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        registerReportModelClasses();
        registerDataPipelineClasses();
        return true;
    }();
    (void)registered;

    std::vector<StreamObject> objects;
    try {
        objects = parseComponentStream(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EPagewrightError&) {
        return 0;
    }
    const QByteArray binary = writeComponentStream(objects, StreamForm::Binary);
    if (writeComponentStream(parseComponentStream(binary), StreamForm::Binary) != binary)
        abort();
    try {
        const QByteArray text = writeComponentStream(objects, StreamForm::Text);
        if (writeComponentStream(parseComponentStream(text), StreamForm::Text) != text)
            abort();
    } catch (const ETemplateLoadError&) {
        // Floats that are not finite have no text form.
    }
    try {
        OwnedComponent form;
        ComponentReader(form, nullptr).read(objects);
    } catch (const EPagewrightError&) {
    }
    return 0;
}
