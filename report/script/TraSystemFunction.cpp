#include "TraSystemFunction.h"

#include "TppResourceManager.h"
#include "TraProgram.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

QString functionGroupName(TraFunctionGroup group) {
    switch (group) {
    case TraFunctionGroup::String:
        return LanguageString(kMsgCategoryString);
    case TraFunctionGroup::Conversion:
        return LanguageString(kMsgCategoryConversion);
    case TraFunctionGroup::Format:
        return LanguageString(kMsgCategoryFormat);
    case TraFunctionGroup::DateTime:
        return LanguageString(kMsgCategoryDateTime);
    case TraFunctionGroup::Math:
        return LanguageString(kMsgCategoryMath);
    case TraFunctionGroup::Utility:
        return QStringLiteral("Utility");
    }
    return QStringLiteral("Unknown");
}

namespace {

// Compiles "<declaration> begin end;" and reads the parameters and result off
// the program.
void readDeclaration(TraSystemFunction& function) {
    TraProgram program;
    program.setSource(QByteArray(function.declaration) + "\nbegin end;");
    if (!program.compile())
        return;
    function.isFunction = program.programType() == ttFunction;
    for (int i = 0; i < program.parameterCount(); ++i) {
        const TraValue& value = program.parameter(i)->value;
        function.parameters.push_back(
            {program.parameter(i)->name, value.type(), program.isVarParameter(i), value.enumType()});
    }
    if (program.result()) {
        function.resultType = program.result()->value.type();
        function.resultEnumType = program.result()->value.enumType();
    }
}

struct Registry {
    QMutex lock;
    QHash<QByteArray, std::shared_ptr<const TraSystemFunction>> byName;
    std::vector<std::shared_ptr<const TraSystemFunction>> ordered;

    void add(TraSystemFunction function) {
        readDeclaration(function);
        auto shared = std::make_shared<const TraSystemFunction>(std::move(function));
        const QByteArray key = shared->name.toLower();
        if (const auto it = byName.find(key); it != byName.end())
            std::replace(ordered.begin(), ordered.end(), *it, shared);
        else
            ordered.push_back(shared);
        byName.insert(key, shared);
    }
};

Registry& registry() {
    static Registry instance;
    static const bool filled = [] {
        std::vector<TraSystemFunction> standard;
        appendStringFunctions(standard);
        appendConversionFunctions(standard);
        appendFormatFunctions(standard);
        appendDateTimeFunctions(standard);
        appendMathFunctions(standard);
        appendUtilityFunctions(standard);
        QMutexLocker locker(&instance.lock);
        for (TraSystemFunction& function : standard)
            instance.add(std::move(function));
        return true;
    }();
    (void)filled;
    return instance;
}

} // namespace

void TraSystemFunctions::add(TraSystemFunction function) {
    Registry& table = registry();
    QMutexLocker locker(&table.lock);
    table.add(std::move(function));
}

std::shared_ptr<const TraSystemFunction> TraSystemFunctions::find(const QByteArray& name) {
    Registry& table = registry();
    QMutexLocker locker(&table.lock);
    return table.byName.value(name.toLower());
}

std::vector<std::shared_ptr<const TraSystemFunction>> TraSystemFunctions::all() {
    Registry& table = registry();
    QMutexLocker locker(&table.lock);
    return table.ordered;
}
