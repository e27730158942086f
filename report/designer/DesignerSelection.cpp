#include "DesignerSelection.h"

bool DesignerSelection::contains(const TppComponent* component) const {
    return components_.contains(const_cast<TppComponent*>(component));
}

void DesignerSelection::toggle(TppComponent* component) {
    if (components_.removeOne(component)) {
        if (primary_ == component)
            primary_ = components_.isEmpty() ? nullptr : components_.last();
    } else {
        components_ << component;
        primary_ = component;
    }
}

bool DesignerSelection::click(TppComponent* component, bool shift) {
    if (shift) {
        toggle(component);
        return true;
    }
    if (contains(component)) {
        if (components_.size() == 1 || primary_ == component)
            return false;
        primary_ = component;
        return true;
    }
    return selectOnly(component);
}

bool DesignerSelection::rubberBand(const QList<TppComponent*>& touched, bool additive) {
    if (!additive) {
        components_.clear();
        primary_ = nullptr;
    }
    for (TppComponent* component : touched)
        toggle(component);
    // An empty result is still news: whoever listens learns nothing is selected.
    return true;
}

bool DesignerSelection::selectOnly(TppComponent* component) {
    if (components_.size() == 1 && primary_ == component)
        return false;
    components_ = {component};
    primary_ = component;
    return true;
}

bool DesignerSelection::selectAll(const QList<TppComponent*>& all) {
    components_ = all;
    primary_ = all.isEmpty() ? nullptr : all.last();
    return true;
}

bool DesignerSelection::set(const QList<TppComponent*>& components) {
    if (components == components_)
        return false;
    components_ = components;
    primary_ = components.isEmpty() ? nullptr : components.last();
    return true;
}

bool DesignerSelection::clear() {
    if (components_.isEmpty())
        return false;
    components_.clear();
    primary_ = nullptr;
    return true;
}

bool DesignerSelection::remove(const TppComponent* component) {
    if (!components_.removeOne(const_cast<TppComponent*>(component)))
        return false;
    if (primary_ == component)
        primary_ = components_.isEmpty() ? nullptr : components_.last();
    return true;
}
