#include "TraProgramStream.h"

#include "PagewrightErrors.h"

#include <QString>
#include <QtEndian>

namespace {

// The value tags of the component stream that program records use.
enum Tag : quint8 {
    tagNull = 0,
    tagList = 1,
    tagInt8 = 2,
    tagInt16 = 3,
    tagInt32 = 4,
    tagString = 6,
    tagIdent = 7,
    tagFalse = 8,
    tagTrue = 9,
    tagLongString = 12,
    tagWideString = 18,
    tagInt64 = 19,
    tagUtf8String = 20,
};

struct Value {
    quint8 tag = tagNull;
    qint64 integer = 0;
    QByteArray text;
};

class Reader {
public:
    explicit Reader(const QByteArray& data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    quint8 peek() const {
        need(1);
        return quint8(data_[pos_]);
    }
    quint8 byte() {
        need(1);
        return quint8(data_[pos_++]);
    }
    QByteArray bytes(qint64 count) {
        if (count < 0)
            fail(QStringLiteral("a negative length"));
        need(count);
        const QByteArray out = data_.mid(pos_, count);
        pos_ += count;
        return out;
    }
    template <class T> T little() {
        const QByteArray raw = bytes(sizeof(T));
        return qFromLittleEndian<T>(raw.constData());
    }
    QByteArray shortString() { return bytes(byte()); }

    Value value() {
        Value v;
        v.tag = byte();
        switch (v.tag) {
        case tagInt8:
            v.integer = qint8(byte());
            break;
        case tagInt16:
            v.integer = little<qint16>();
            break;
        case tagInt32:
            v.integer = little<qint32>();
            break;
        case tagInt64:
            v.integer = little<qint64>();
            break;
        case tagString:
        case tagIdent:
            v.text = shortString();
            break;
        case tagLongString:
            v.text = bytes(little<quint32>());
            break;
        case tagUtf8String:
            v.text = QString::fromUtf8(bytes(little<quint32>())).toLatin1();
            break;
        case tagWideString: {
            const QByteArray raw = bytes(qint64(little<quint32>()) * 2);
            v.text = QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.constData()), raw.size() / 2)
                         .toLatin1();
            break;
        }
        case tagFalse:
        case tagTrue:
        case tagNull:
            break;
        default:
            --pos_;
            fail(QStringLiteral("a value of kind %1, which programs do not hold").arg(v.tag));
        }
        return v;
    }

    [[noreturn]] void fail(const QString& what) const {
        throw ETemplateLoadError(
            QStringLiteral("The code module's ProgramStream is damaged: %1 at byte %2.").arg(what).arg(pos_));
    }

private:
    void need(qint64 count) const {
        if (count > data_.size() - pos_)
            fail(QStringLiteral("it ends early"));
    }

    const QByteArray& data_;
    qint64 pos_ = 0;
};

bool isInteger(quint8 tag) {
    return tag == tagInt8 || tag == tagInt16 || tag == tagInt32 || tag == tagInt64;
}

void assign(TraStoredProgram& program, const QByteArray& name, const Value& v) {
    const auto is = [&](const char* n) { return name.compare(n, Qt::CaseInsensitive) == 0; };
    const bool flag = v.tag == tagTrue;
    if (is("ChildType"))
        program.childType = int(v.integer);
    else if (is("IsFunctionType"))
        program.isFunctionType = flag;
    else if (is("Hidden"))
        program.hidden = flag;
    else if (is("Locked"))
        program.locked = flag;
    else if (is("ProgramName"))
        program.programName = v.text;
    else if (is("ProgramType"))
        program.programType = v.text;
    else if (is("Source"))
        program.source = v.text;
    else if (is("SourceModified"))
        program.sourceModified = flag;
    else if (is("ComponentName"))
        program.componentName = v.text;
    else if (is("EventName"))
        program.eventName = v.text;
    else if (is("EventID"))
        program.eventID = int(v.integer);
    // Properties of other versions are read past.
}

class Writer {
public:
    explicit Writer(QByteArray& out) : out_(out) {}
    void tag(quint8 t) { out_.append(char(t)); }
    void shortString(const QByteArray& text) {
        const QByteArray cut = text.left(255);
        out_.append(char(cut.size()));
        out_.append(cut);
    }
    void string(const QByteArray& text) {
        if (text.size() < 256) {
            tag(tagString);
            shortString(text);
            return;
        }
        tag(tagLongString);
        char length[4];
        qToLittleEndian<quint32>(quint32(text.size()), length);
        out_.append(length, 4);
        out_.append(text);
    }
    void integer(qint64 value) {
        if (value >= -128 && value <= 127) {
            tag(tagInt8);
            out_.append(char(qint8(value)));
        } else if (value >= -32768 && value <= 32767) {
            tag(tagInt16);
            char raw[2];
            qToLittleEndian<qint16>(qint16(value), raw);
            out_.append(raw, 2);
        } else {
            tag(tagInt32);
            char raw[4];
            qToLittleEndian<qint32>(qint32(value), raw);
            out_.append(raw, 4);
        }
    }
    void property(const char* name) { shortString(name); }

private:
    QByteArray& out_;
};

} // namespace

std::vector<TraStoredProgram> readProgramStream(const QByteArray& data) {
    std::vector<TraStoredProgram> programs;
    Reader reader(data);
    while (!reader.atEnd()) {
        const quint8 tag = reader.peek();
        if (tag == tagNull) {
            reader.byte();
            return programs;
        }
        if (isInteger(tag)) {
            reader.value();
            continue;
        }
        if (tag != tagList)
            reader.fail(QStringLiteral("no program begins"));
        reader.byte();
        const Value className = reader.value();
        if (className.tag != tagString && className.tag != tagLongString && className.tag != tagUtf8String &&
            className.tag != tagWideString)
            reader.fail(QStringLiteral("a program without its class name"));
        TraStoredProgram program;
        program.className = className.text.compare("TraOnCalcEventHandler", Qt::CaseInsensitive) == 0
                                ? "TraEventHandler"
                                : className.text;
        while (reader.peek() != tagNull) {
            const QByteArray name = reader.shortString();
            assign(program, name, reader.value());
        }
        reader.byte();
        programs.push_back(std::move(program));
    }
    // Streams of some tools end without the final marker.
    return programs;
}

QByteArray writeProgramStream(const std::vector<TraStoredProgram>& programs) {
    QByteArray out;
    Writer writer(out);
    for (const TraStoredProgram& program : programs) {
        writer.tag(tagList);
        writer.string(program.className);
        // Values at their defaults (0, False, ttUnknown, empty) are left out.
        if (program.childType != 0) {
            writer.property("ChildType");
            writer.integer(program.childType);
        }
        const std::pair<const char*, bool> flags[] = {{"IsFunctionType", program.isFunctionType},
                                                      {"Hidden", program.hidden},
                                                      {"Locked", program.locked}};
        for (const auto& [name, value] : flags)
            if (value) {
                writer.property(name);
                writer.tag(tagTrue);
            }
        if (!program.programName.isEmpty()) {
            writer.property("ProgramName");
            writer.string(program.programName);
        }
        if (!program.programType.isEmpty() && program.programType != "ttUnknown") {
            writer.property("ProgramType");
            writer.tag(tagIdent);
            writer.shortString(program.programType);
        }
        if (!program.source.isEmpty()) {
            writer.property("Source");
            writer.string(program.source);
        }
        if (program.sourceModified) {
            writer.property("SourceModified");
            writer.tag(tagTrue);
        }
        if (program.className == "TraEventHandler") {
            if (!program.componentName.isEmpty()) {
                writer.property("ComponentName");
                writer.string(program.componentName);
            }
            if (!program.eventName.isEmpty()) {
                writer.property("EventName");
                writer.string(program.eventName);
            }
            if (program.eventID != 0) {
                writer.property("EventID");
                writer.integer(program.eventID);
            }
        }
        writer.tag(tagNull);
    }
    writer.tag(tagNull);
    return out;
}
