#pragma once

#include "TppResourceManager.h"

// The modules of the subsystems that own texts.
inline const QString kPrintLanguageModule = QStringLiteral("pwPrint");
inline const QString kDesignerLanguageModule = QStringLiteral("pwIDE");

// A subsystem's module is registered while the subsystem runs: from its
// start-up to its end.
class LanguageModuleRegistration {
public:
    explicit LanguageModuleRegistration(const QString& baseName) : baseName_(baseName) {
        TppResourceManager::instance().AddModule(baseName_);
    }
    ~LanguageModuleRegistration() { TppResourceManager::instance().RemoveModule(baseName_); }
    LanguageModuleRegistration(const LanguageModuleRegistration&) = delete;
    LanguageModuleRegistration& operator=(const LanguageModuleRegistration&) = delete;

private:
    QString baseName_;
};
