#pragma once

#include "TraDataType.h"

#include <QByteArray>

class ClassInfo;
class Persistent;

// The kinds of content a Variant value holds.
enum class TraVariantKind : quint8 {
    Empty,
    Null,
    Smallint,
    Integer,
    Single,
    Double,
    Currency,
    Date,
    String,
    Boolean,
    Byte
};

// One script value: a data type and the stored value of that type. A value of
// type daUnknown is "no value" (what an operator gives when it cannot work).
//
// The value is a plain tagged record: numbers live inline, so arithmetic on
// temporaries never allocates; text is 8-bit and implicitly shared.
class TraValue {
public:
    TraValue() = default;
    TraValue(const TraValue& other) = default;
    TraValue(TraValue&& other) noexcept = default;
    TraValue& operator=(TraValue&& other) noexcept = default;
    // Numbers are copied without touching the text: QByteArray's own copy
    // assignment is out of line, and most values carry no text at all.
    TraValue& operator=(const TraValue& other) {
        type_ = other.type_;
        kind_ = other.kind_;
        enumType_ = other.enumType_;
        u_ = other.u_;
        classRef_ = other.classRef_;
        if (!other.text_.isNull() || !text_.isNull())
            text_ = QByteArray(other.text_);
        return *this;
    }

    // A new value of the type with its initial contents (numbers 0, strings
    // empty, Char a blank, Boolean False, Variant the byte 0, the date types
    // `now` cut to what they hold). No value for daUnknown and daMethod.
    static TraValue initial(TraDataType type, double now, int enumType = -1);

    static TraValue ofInteger(qint32 v) {
        TraValue r;
        r.setInteger(v);
        return r;
    }
    static TraValue ofExtended(long double v) {
        TraValue r;
        r.setExtended(v);
        return r;
    }
    static TraValue ofString(const QByteArray& v) {
        TraValue r;
        r.setString(v);
        return r;
    }

    TraDataType type() const { return type_; }
    bool isNone() const { return type_ == daUnknown; }
    void clear() {
        type_ = daUnknown;
        text_.clear();
    }

    qint32 integer() const { return u_.i; }
    float single() const { return u_.f; }
    double real() const { return u_.d; } // Double, and the three date types
    long double extended() const { return u_.e; }
    qint64 currencyScaled() const { return u_.c; } // the amount times 10000
    long double currencyAmount() const { return (long double)u_.c / 10000; }
    char character() const { return u_.ch; }
    bool boolean() const { return u_.b; }
    int enumType() const { return enumType_; }
    int ordinal() const { return type_ == daBoolean ? int(u_.b) : int(u_.ord); }
    Persistent* object() const { return u_.obj; }
    // The class of a class value: a variable's declared class, a class name's.
    const ClassInfo* classRef() const { return classRef_; }
    void setClassRef(const ClassInfo* cls) { classRef_ = cls; }
    const QByteArray& text() const { return text_; }
    QByteArray& mutableText() { return text_; }
    TraVariantKind variantKind() const { return kind_; }

    // Where the stored number lives, for compiled code that reads a variable
    // of a fixed type without going through a value.
    const qint32* integerAddress() const { return &u_.i; }
    const float* singleAddress() const { return &u_.f; }
    const double* realAddress() const { return &u_.d; }
    const long double* extendedAddress() const { return &u_.e; }

    void setInteger(qint32 v) {
        reset(daInteger);
        u_.i = v;
    }
    void setSingle(float v) {
        reset(daSingle);
        u_.f = v;
    }
    void setDouble(double v) {
        reset(daDouble);
        u_.d = v;
    }
    void setExtended(long double v) {
        reset(daExtended);
        u_.e = v;
    }
    void setCurrencyScaled(qint64 v) {
        reset(daCurrency);
        u_.c = v;
    }
    void setChar(char v) {
        reset(daChar);
        u_.ch = v;
    }
    void setString(const QByteArray& v) {
        type_ = daString;
        text_ = QByteArray(v);
    }
    void setString(QByteArray&& v) {
        type_ = daString;
        text_ = std::move(v);
    }
    void setDateValue(TraDataType dateType, double v) {
        reset(dateType);
        u_.d = v;
    }
    void setBoolean(bool v) {
        reset(daBoolean);
        enumType_ = 0;
        u_.b = v;
    }
    void setEnum(int enumType, int ordinal) {
        reset(daEnum);
        enumType_ = enumType;
        u_.ord = quint8(ordinal);
    }
    // Keeps the type name (an enumerated variable keeps its type).
    void setOrdinal(int ordinal) {
        if (type_ == daBoolean)
            u_.b = ordinal != 0;
        else
            u_.ord = quint8(ordinal);
    }
    void setObject(TraDataType objectType, Persistent* v) {
        reset(objectType);
        u_.obj = v;
    }

    // Variant contents.
    void setVariantNull() { setKind(TraVariantKind::Null); }
    void setVariantInteger(qint32 v) {
        setKind(TraVariantKind::Integer);
        u_.i = v;
    }
    void setVariantByte(quint8 v) {
        setKind(TraVariantKind::Byte);
        u_.i = v;
    }
    void setVariantDouble(double v) {
        setKind(TraVariantKind::Double);
        u_.d = v;
    }
    void setVariantCurrency(qint64 scaled) {
        setKind(TraVariantKind::Currency);
        u_.c = scaled;
    }
    void setVariantDate(double v) {
        setKind(TraVariantKind::Date);
        u_.d = v;
    }
    void setVariantString(const QByteArray& v) {
        type_ = daVariant;
        kind_ = TraVariantKind::String;
        text_ = QByteArray(v);
    }
    void setVariantBoolean(bool v) {
        setKind(TraVariantKind::Boolean);
        u_.b = v;
    }

    bool isVariantEmptyOrNull() const {
        return type_ == daVariant && (kind_ == TraVariantKind::Empty || kind_ == TraVariantKind::Null);
    }

private:
    void reset(TraDataType type) {
        if (!text_.isNull())
            text_.clear();
        type_ = type;
    }
    void setKind(TraVariantKind kind) {
        reset(daVariant);
        kind_ = kind;
    }

    TraDataType type_ = daUnknown;
    TraVariantKind kind_ = TraVariantKind::Empty;
    qint8 enumType_ = -1;
    // Variant payloads: Smallint, Integer and Byte in i, Single and Double and
    // Date in d, Currency in c, Boolean in b.
    union {
        qint32 i;
        float f;
        double d;
        long double e;
        qint64 c;
        char ch;
        bool b;
        quint8 ord;
        Persistent* obj;
    } u_ = {0};
    QByteArray text_;
    const ClassInfo* classRef_ = nullptr;
};
