#pragma once

#include "DeviceClasses.h"
#include "FormRegistry.h"

#include <functional>
#include <vector>

// Changes the process-wide form and device registries for the length of a scope (a test, a
// fixture) and puts back what was there before when the scope ends, last change first, also when
// the test fails half-way: a test that registers a fake printer leaves the real one registered
// for the tests after it, and one that takes a device away gets it back.
class RegistryScope {
public:
    RegistryScope() = default;
    ~RegistryScope() {
        for (auto undo = undos_.rbegin(); undo != undos_.rend(); ++undo)
            (*undo)();
    }
    RegistryScope(const RegistryScope&) = delete;
    RegistryScope& operator=(const RegistryScope&) = delete;

    void registerForm(const QString& abstractName, FormRegistry::Factory factory) {
        keepForm(abstractName);
        FormRegistry::instance().RegisterForm(abstractName, std::move(factory));
    }
    template <class Dialog> void registerForm(FormRegistry::Factory factory) {
        registerForm(Dialog::abstractName(), std::move(factory));
    }
    void unregisterForm(const QString& abstractName) {
        keepForm(abstractName);
        FormRegistry::instance().UnregisterForm(abstractName);
    }

    void registerDevice(const QString& deviceName, const ClassInfo& deviceClass) {
        keepDevice(deviceName);
        DeviceClasses::instance().RegisterDevice(deviceName, deviceClass);
    }
    void unregisterDevice(const QString& deviceName) {
        keepDevice(deviceName);
        DeviceClasses::instance().UnregisterDevice(deviceName);
    }

    // Anything else a test registers: how to take it back.
    void onExit(std::function<void()> undo) { undos_.push_back(std::move(undo)); }

    // The form registered for the class now comes back at the end, whatever registers another
    // meanwhile (registerPreviewForms ...).
    void keepForm(const QString& abstractName) {
        FormRegistry& forms = FormRegistry::instance();
        onExit([&forms, abstractName, before = forms.find(abstractName)] {
            if (before)
                forms.RegisterForm(abstractName, before);
            else
                forms.UnregisterForm(abstractName);
        });
    }

private:
    void keepDevice(const QString& deviceName) {
        DeviceClasses& devices = DeviceClasses::instance();
        const ClassInfo* before = devices.Find(deviceName);
        const FileDeviceTraits* traits = devices.FileTraits(deviceName);
        onExit([&devices, deviceName, before, traits] {
            devices.UnregisterDevice(deviceName);
            if (before && traits)
                devices.RegisterFileDevice(deviceName, *before, *traits);
            else if (before)
                devices.RegisterDevice(deviceName, *before);
        });
    }

    std::vector<std::function<void()>> undos_;
};
