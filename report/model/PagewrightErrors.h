#pragma once

#include <QString>
#include <stdexcept>

// The report engine's exception family. Each carries only its message text;
// callers pick the class that says what failed.
class EPagewrightError : public std::runtime_error {
public:
    explicit EPagewrightError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

#define PW_DECLARE_ERROR(Name)                                                                                 \
    class Name : public EPagewrightError {                                                                     \
    public:                                                                                                    \
        using EPagewrightError::EPagewrightError;                                                              \
    }

PW_DECLARE_ERROR(EPrintError);           // generation and printing
PW_DECLARE_ERROR(EDataError);            // data access
PW_DECLARE_ERROR(EDesignError);          // the designer
PW_DECLARE_ERROR(ECodeError);            // scripts
PW_DECLARE_ERROR(EInvalidPropertyError); // an invalid property value
PW_DECLARE_ERROR(ETemplateLoadError);    // a template that cannot be read
PW_DECLARE_ERROR(ETemplateSaveError);    // a template that cannot be written
PW_DECLARE_ERROR(EInvalidTemplateError); // a stream that is not a valid template
PW_DECLARE_ERROR(EOutlineError);         // the report outline

#undef PW_DECLARE_ERROR

// A text that does not convert to the value asked for (a number, a date).
// Not part of the family above: callers that convert user input catch it
// apart from engine failures.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
