#include "TraEventValues.h"

#include "DateTimeDays.h"
#include "Persistent.h"
#include "TraConversions.h"
#include "TraDescribe.h"

#include <QDateTime>

TraValue variantToScriptValue(const QVariant& value) {
    TraValue out;
    if (!value.isValid() || value.isNull()) {
        out.setVariantNull();
        return out;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        out.setVariantBoolean(value.toBool());
        break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        out.setVariantInteger(value.toInt());
        break;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong: {
        const qint64 n = value.toLongLong();
        if (n >= INT_MIN && n <= INT_MAX)
            out.setVariantInteger(qint32(n));
        else
            out.setVariantDouble(double(n));
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        out.setVariantDouble(value.toDouble());
        break;
    case QMetaType::QDateTime:
        out.setVariantDate(daysFromDateTime(value.toDateTime()));
        break;
    case QMetaType::QDate:
        out.setVariantDate(daysFromDateTime(value.toDate().startOfDay()));
        break;
    case QMetaType::QTime:
        out.setVariantDate(daysFromDateTime(QDateTime(QDate(1899, 12, 30), value.toTime())));
        break;
    default:
        out.setVariantString(value.toString().toLatin1());
        break;
    }
    return out;
}

QVariant scriptValueToVariant(const TraValue& value, const TraEnvironment& environment) {
    switch (value.type()) {
    case daInteger:
        return value.integer();
    case daSingle:
        return double(value.single());
    case daDouble:
        return value.real();
    case daExtended:
        return double(value.extended());
    case daCurrency:
        return double(value.currencyAmount());
    case daDateTime:
    case daDate:
    case daTime:
        return dateTimeFromDays(value.real());
    case daBoolean:
        return value.boolean();
    case daChar:
    case daString:
        return QString::fromLatin1(valueText(value, environment));
    case daVariant:
        switch (value.variantKind()) {
        case TraVariantKind::Empty:
        case TraVariantKind::Null:
            return QVariant();
        case TraVariantKind::Smallint:
        case TraVariantKind::Integer:
        case TraVariantKind::Byte:
            return value.integer();
        case TraVariantKind::Single:
        case TraVariantKind::Double:
            return value.real();
        case TraVariantKind::Currency:
            return double(value.currencyScaled()) / 10000;
        case TraVariantKind::Date:
            return dateTimeFromDays(value.real());
        case TraVariantKind::String:
            return QString::fromLatin1(value.text());
        case TraVariantKind::Boolean:
            return value.boolean();
        }
        return QVariant();
    case daEnum:
        return value.ordinal();
    default:
        return QVariant();
    }
}

void eventArgumentIn(const QVariant& argument, TraValue& parameter, const TraEnvironment& environment) {
    const TraDataType type = parameter.type();
    if (type == daCurrency)
        return;
    if (type == daClass || type == daObject) {
        Persistent* object = argument.metaType() == QMetaType::fromType<Persistent*>()
                                 ? argument.value<Persistent*>()
                                 : nullptr;
        parameter.setObject(type, object);
        if (object)
            parameter.setClassRef(&object->classInfo());
        return;
    }
    if (argument.typeId() == QMetaType::QStringList) {
        assignConverted(parameter, TraDescribe::linesValue(argument.toStringList()), environment);
        return;
    }
    assignConverted(parameter, variantToScriptValue(argument), environment);
}

void eventArgumentOut(const TraValue& parameter, QVariant& argument, const TraEnvironment& environment) {
    if (parameter.type() == daCurrency || parameter.type() == daClass || parameter.type() == daObject)
        return;
    const QVariant value = scriptValueToVariant(parameter, environment);
    if (argument.typeId() != QMetaType::QStringList) {
        argument = value;
        return;
    }
    argument = TraDescribe::splitLines(value.toString());
}
