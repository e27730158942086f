#include "FormRegistry.h"

FormRegistry& FormRegistry::instance() {
    static FormRegistry registry;
    return registry;
}

void FormRegistry::RegisterForm(const QString& abstractName, Factory factory) {
    QMutexLocker lock(&mutex_);
    forms_.insert(abstractName, std::move(factory));
}

void FormRegistry::UnregisterForm(const QString& abstractName) {
    QMutexLocker lock(&mutex_);
    forms_.remove(abstractName);
}

bool FormRegistry::IsRegistered(const QString& abstractName) const {
    QMutexLocker lock(&mutex_);
    return forms_.contains(abstractName);
}

FormRegistry::Factory FormRegistry::find(const QString& abstractName) const {
    QMutexLocker lock(&mutex_);
    return forms_.value(abstractName);
}
