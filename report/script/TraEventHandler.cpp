#include "TraEventHandler.h"

#include "PagewrightErrors.h"
#include "TraCodeModule.h"
#include "TraConversions.h"
#include "TraEnumerations.h"
#include "TraEventValues.h"
#include "TraRunError.h"

namespace {

QByteArray typeNameOf(const TraParam& param) {
    if ((param.dataType == daClass || param.dataType == daObject))
        return param.classType ? param.classType->name().toLatin1() : QByteArray("TObject");
    if (param.dataType == daEnum && param.enumType >= 0)
        return TraEnumerations::at(param.enumType).typeName;
    return dataTypeName(param.dataType);
}

} // namespace

TraEventHandler::TraEventHandler() {
    childType = 0;
    listener_.OnEventNotify = [this](TppCommunicator*, int kind, TppEventParams* params) {
        if (kind == eventID_)
            run(params);
    };
    listener_.OnNotify = [this](TppCommunicator* sender, int operation) {
        objectNotified(sender, operation);
    };
}

TraEventHandler::~TraEventHandler() {
    unbind();
}

void TraEventHandler::unbind() {
    if (TppCommunicator* object = object_.get())
        object->UnsubscribeEvents(&listener_);
    object_.reset(nullptr);
}

void TraEventHandler::retarget(TppCommunicator* object) {
    unbind();
    object->SubscribeEvents(&listener_);
    object_.reset(object);
}

void TraEventHandler::objectNotified(TppCommunicator* sender, int operation) {
    if (sender != object_.get())
        return;
    if (operation == ppopRemove) {
        object_.reset(nullptr);
        if (module())
            module()->handlerLostObject(this);
    } else if (operation == ppopUserNameChange) {
        setComponentName(sender->UserName().toLatin1());
    }
}

void TraEventHandler::setComponentName(const QByteArray& name) {
    componentName_ = name;
    if (loading_)
        return;
    setStoredName(componentName_ + eventName_,
                  params_.empty() || !hasResult(params_) ? ttProcedure : ttFunction);
    TppCommunicator* found = module() ? module()->findReportObject(name) : nullptr;
    if (found != object_.get()) {
        unbind();
        if (found) {
            found->SubscribeEvents(&listener_);
            object_.reset(found);
        }
    }
    if (found && !eventName_.isEmpty()) {
        setEventName(eventName_);
        replaceDeclarationLine();
    }
}

void TraEventHandler::setEventName(const QByteArray& name) {
    eventName_ = name;
    if (loading_)
        return;
    TppCommunicator* object = object_.get();
    if (!object)
        return;
    TraPropRec rec;
    if (!TraClassManager::getPropRec(object->classInfo(), name, rec) || !rec.isEvent())
        throw EPagewrightError(QStringLiteral("TraEventHandler.SetEventName: No RTTI for event %1 exists.")
                                   .arg(QString::fromLatin1(name)));
    if (listener_.ListensTo(eventID_))
        listener_.RemoveEventKind(eventID_);
    eventID_ = rec.eventID;
    params_ = rec.params;
    listener_.AddEventKind(eventID_);
    setStoredName(componentName_ + eventName_, hasResult(params_) ? ttFunction : ttProcedure);
}

QByteArray TraEventHandler::declarationLine() const {
    const bool function = hasResult(params_);
    QByteArray line = (function ? "function " : "procedure ") + componentName_ + eventName_;
    const size_t count = params_.size() - (function ? 1 : 0);
    if (count > 0) {
        QList<QByteArray> parts;
        for (size_t i = 0; i < count; ++i) {
            const TraParam& param = params_[i];
            QByteArray part = param.isConst ? "const " : param.isVar ? "var " : "";
            parts << part + param.name + ": " + typeNameOf(param);
        }
        line += '(' + parts.join("; ") + ')';
    }
    if (function)
        line += ":" + typeNameOf(params_.back());
    return line + ";\r\n";
}

QByteArray TraEventHandler::createDefaultSource() const {
    QByteArray source = declarationLine() + "begin\r\n\r\n";
    bool any = false;
    for (const TraParam& param : params_)
        if (param.isVar && param.name.compare("Result", Qt::CaseInsensitive) != 0) {
            source += "  " + param.name + " := \r\n";
            any = true;
        }
    if (any)
        source += "\r\n";
    return source + "end;";
}

void TraEventHandler::replaceDeclarationLine() {
    const QByteArray declaration = declarationLine();
    if (source().isEmpty()) {
        setSource(createDefaultSource());
        return;
    }
    // The header may run over several lines; it ends at the first ";" outside brackets.
    const QByteArray& text = source();
    int depth = 0;
    qsizetype end = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (c == ';' && depth <= 0) {
            end = i + 1;
            break;
        }
    }
    if (end < 0)
        return;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t'))
        ++end;
    if (end < text.size() && text[end] == '\r')
        ++end;
    if (end < text.size() && text[end] == '\n')
        ++end;
    const QByteArray replaced = declaration + text.mid(end);
    if (replaced != text)
        setSource(replaced);
}

void TraEventHandler::run(TppEventParams* params) {
    if (TraCodeModule* owner = module())
        owner->runHandler(*this, params);
}
