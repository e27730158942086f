#pragma once

#include <QHash>
#include <QMutex>
#include <functional>
#include <memory>

class TppForm;

// The process-wide map from an abstract form class (TppCustomPreviewer ...)
// to the concrete form registered for it; registering again replaces the
// entry. No registered form means no form: printing goes on without it.
class FormRegistry {
public:
    using Factory = std::function<TppForm*()>;

    static FormRegistry& instance();

    void RegisterForm(const QString& abstractName, Factory factory);
    void UnregisterForm(const QString& abstractName);
    bool IsRegistered(const QString& abstractName) const;
    // The factory registered for the class; empty when there is none.
    Factory find(const QString& abstractName) const;

    // A new form of the class registered for F; none when there is none.
    template <class F> F* CreateForm() const {
        const Factory factory = find(F::abstractName());
        return factory ? dynamic_cast<F*>(factory()) : nullptr;
    }

private:
    mutable QMutex mutex_;
    QHash<QString, Factory> forms_;
};
