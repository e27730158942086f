#include "TemplatePipelineNames.h"

#include "ComponentStream.h"
#include "PagewrightErrors.h"
#include "TemplatePayload.h"

namespace {

bool namesPipeline(const QByteArray& property) {
    // "DataPipeline" is a reference; the others hold a component name.
    static const QByteArrayList names = {"DataPipeline",         "DataPipelineName",
                                         "MasterDataPipeline",   "MasterDataPipelineName",
                                         "CalcDataPipelineName", "ResetDataPipelineName"};
    return names.contains(property);
}

void collect(const StreamObject& object, QStringList& names) {
    for (const StreamProperty& property : object.properties) {
        if (!namesPipeline(property.name))
            continue;
        QString name = property.value.tag == ValueTag::Ident ? QString::fromUtf8(property.value.bytes)
                                                             : property.value.toString();
        // "Form1.ppOrders" names a pipeline of another form: the last part counts.
        name = name.mid(name.lastIndexOf(u'.') + 1);
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    for (const StreamObject& child : object.children)
        collect(child, names);
}

} // namespace

QStringList pipelineNamesReferredTo(QByteArrayView templateBytes) {
    QStringList names;
    try {
        const TemplatePayload payload = findTemplatePayload(templateBytes, 0);
        for (const StreamObject& object : parseComponentStream(templateBytes.sliced(payload.offset)))
            collect(object, names);
    } catch (const EPagewrightError&) {
        return {};
    }
    return names;
}
