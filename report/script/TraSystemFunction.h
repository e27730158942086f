#pragma once

#include "TraBuiltinCall.h"
#include "TraDataType.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

enum class TraFunctionGroup { String, Conversion, Format, DateTime, Math, Utility };

// The group's name as the routine list shows it.
QString functionGroupName(TraFunctionGroup group);

struct TraFormalParameter {
    QByteArray name;
    TraDataType type = daUnknown;
    bool isVar = false;
    int enumType = -1;
};

// A built-in routine. It declares itself by a declaration line in the language
// ("function Copy(S: String; Index, Count: Integer): String;"); the compiler
// reads that line once to learn the parameters, their modes and the result, so
// a built-in is checked and called like a script routine.
struct TraSystemFunction {
    TraSystemFunction(QByteArray name, TraFunctionGroup group, const char* declaration,
                      void (*body)(TraBuiltinCall&))
        : name(std::move(name)), group(group), declaration(declaration), body(body) {}

    QByteArray name;
    TraFunctionGroup group = TraFunctionGroup::Utility;
    const char* declaration = "";
    void (*body)(TraBuiltinCall&) = nullptr;

    // Read from the declaration. A declaration that does not compile leaves a
    // routine without parameters or result.
    bool isFunction = false;
    std::vector<TraFormalParameter> parameters;
    TraDataType resultType = daUnknown;
    int resultEnumType = -1;

    // Called with a parenthesised argument list ("CurrentDate" is not).
    bool hasParams() const { return !parameters.empty(); }
};

// The process-wide table of built-in routines by name, compared without regard
// to case; filled with the standard library on first use. All access is locked.
class TraSystemFunctions {
public:
    // Replaces a routine of the same name.
    static void add(TraSystemFunction function);
    static std::shared_ptr<const TraSystemFunction> find(const QByteArray& name);
    // In registration order.
    static std::vector<std::shared_ptr<const TraSystemFunction>> all();
};

// The standard routines, by group.
void appendStringFunctions(std::vector<TraSystemFunction>& list);
void appendConversionFunctions(std::vector<TraSystemFunction>& list);
void appendFormatFunctions(std::vector<TraSystemFunction>& list);
void appendDateTimeFunctions(std::vector<TraSystemFunction>& list);
void appendMathFunctions(std::vector<TraSystemFunction>& list);
void appendUtilityFunctions(std::vector<TraSystemFunction>& list);
