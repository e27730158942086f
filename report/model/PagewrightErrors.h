#pragma once

#include <QString>
#include <stdexcept>

// The base of every error the program raises itself: a message text for the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

#define PW_DECLARE_ERROR(Name, Base)                                                                         \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    }

// The report engine's exception family; callers pick the class that says what failed.
PW_DECLARE_ERROR(EPagewrightError, Exception);
PW_DECLARE_ERROR(EPrintError, EPagewrightError);           // generation and printing
PW_DECLARE_ERROR(EDataError, EPagewrightError);            // data access
PW_DECLARE_ERROR(EDesignError, EPagewrightError);          // the designer
PW_DECLARE_ERROR(ECodeError, EPagewrightError);            // scripts
PW_DECLARE_ERROR(EInvalidPropertyError, EPagewrightError); // an invalid property value
PW_DECLARE_ERROR(ETemplateLoadError, EPagewrightError);    // a template that cannot be read
PW_DECLARE_ERROR(ETemplateSaveError, EPagewrightError);    // a template that cannot be written
PW_DECLARE_ERROR(EInvalidTemplateError, EPagewrightError); // a stream that is not a valid template
PW_DECLARE_ERROR(EOutlineError, EPagewrightError);         // the report outline

// Errors of the component model and of conversions, outside the engine's
// family so that callers converting user input can catch them apart.
PW_DECLARE_ERROR(EComponentError, Exception); // a component name that is invalid or taken
PW_DECLARE_ERROR(EConvertError, Exception);   // a text that does not convert to a number or date

#undef PW_DECLARE_ERROR
