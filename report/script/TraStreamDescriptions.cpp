// Streams as scripts see them, and the report objects' members that hand
// out their content as one: a memo's text, a cached object's records.

#include "RecordStream.h"
#include "TppCacheable.h"
#include "TppCustomMemo.h"
#include "TraDescribe.h"
#include "TraStream.h"

#include <QFile>

namespace TraDescribe {

TraStream& streamArgument(const TraValue& value, const char* member) {
    auto* stream = dynamic_cast<TraStream*>(value.object());
    if (!stream)
        throw TraRunError(QStringLiteral("%1 needs a stream").arg(QLatin1String(member)));
    return *stream;
}

void describeStreams() {
    const TraRTTI* stream =
        describe("TStream", &TraStream::staticClassInfo(), described("TPersistent"),
                 {readWrite<TraStream>(
                      "Size", daInteger, [](TraStream& s) { return integerValue(int(s.size())); },
                      [](TraStream& s, const TraValue& v) { s.setSize(v.integer()); }),
                  readWrite<TraStream>(
                      "Position", daInteger, [](TraStream& s) { return integerValue(int(s.position())); },
                      [](TraStream& s, const TraValue& v) { s.setPosition(v.integer()); }),
                  // Origin 0: from the start, 1: from the position, 2: from the end.
                  method<TraStream>("Seek", {{"Offset", daInteger}, {"Origin", daInteger}}, daInteger,
                                    [](TraStream& s, TraCallFrame& f) {
                                        const qint64 origin = f.args[1].integer() == 1   ? s.position()
                                                              : f.args[1].integer() == 2 ? s.size()
                                                                                         : 0;
                                        s.setPosition(origin + f.args[0].integer());
                                        f.result = integerValue(int(s.position()));
                                    }),
                  // Copies Count bytes from Source's position on (0: all of Source from its start).
                  method<TraStream>(
                      "CopyFrom", {{"Source", daClass, &TraStream::staticClassInfo()}, {"Count", daInteger}},
                      daInteger, [](TraStream& s, TraCallFrame& f) {
                          TraStream* source = &streamArgument(f.args[0], "CopyFrom");
                          const int count = f.args[1].integer();
                          if (count <= 0)
                              source->setPosition(0);
                          QByteArray bytes = source->readToEnd();
                          if (count > 0 && bytes.size() > count) {
                              source->setPosition(source->position() - (bytes.size() - count));
                              bytes.truncate(count);
                          }
                          s.write(bytes);
                          f.result = integerValue(int(bytes.size()));
                      })});
    describe("TMemoryStream", &TraMemoryStream::staticClassInfo(), stream,
             {method<TraMemoryStream>("Clear", {}, daUnknown,
                                      [](TraMemoryStream& s, TraCallFrame&) { s.clear(); }),
              fileMethod<TraMemoryStream>("LoadFromFile",
                                          [](TraMemoryStream& s, TraCallFrame& f) {
                                              QFile file(textOf(f.args[0]));
                                              if (!file.open(QIODevice::ReadOnly))
                                                  cannotOpenFile(file.fileName());
                                              s.refill(file.readAll());
                                          }),
              fileMethod<TraMemoryStream>("SaveToFile", [](TraMemoryStream& s, TraCallFrame& f) {
                  QFile file(textOf(f.args[0]));
                  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(s.bytes()) < 0)
                      cannotOpenFile(file.fileName());
              })});
}

std::vector<TraMember> memoStreamMembers() {
    // The memo's text, lines ended by CR LF.
    return {contentStream<TppCustomMemo>(
        "MemoStream", [](TppCustomMemo& m) { return textOf(linesValue(m.Lines())).toLatin1(); })};
}

std::vector<TraMember> cacheStreamMembers() {
    // The records of the stream the object shares with the others of its
    // record size, as they stand when the script reads them; empty for an
    // object that keeps nothing per page.
    return {contentStream<TppCacheable>("CacheStream", [](TppCacheable& c) {
        RecordStream* records = c.CacheStream();
        QByteArray bytes;
        if (!records)
            return bytes;
        bytes.resize(records->size());
        if (!records->read(0, bytes.data(), bytes.size()))
            bytes.clear();
        return bytes;
    })};
}

} // namespace TraDescribe
