#pragma once

#include <QList>

class TppComponent;

// The selected components in the order they were selected, and the primary
// one (the last clicked), by the designer's rules for clicks, rubber bands
// and Select All. Each change that alters the list or the primary one
// returns true, so the caller fires its selection-changed notification.
class DesignerSelection {
public:
    const QList<TppComponent*>& components() const { return components_; }
    TppComponent* primary() const { return primary_; }
    bool contains(const TppComponent* component) const;
    bool isEmpty() const { return components_.isEmpty(); }
    int count() const { return int(components_.size()); }
    // Sizing handles belong to a single selection only.
    bool showsHandles() const { return components_.size() == 1; }

    // A click on a component: Shift toggles it; a click on one of several
    // selected makes it the primary; a click on the only selected one
    // changes nothing; anything else selects it alone.
    bool click(TppComponent* component, bool shift);
    // A rubber band's release over `touched` (components whose boxes meet
    // it, edges included): not additive clears first; each touched one
    // toggles.
    bool rubberBand(const QList<TppComponent*>& touched, bool additive);
    bool selectOnly(TppComponent* component);
    bool selectAll(const QList<TppComponent*>& all);
    bool set(const QList<TppComponent*>& components);
    bool clear();
    // A component that is going away.
    bool remove(const TppComponent* component);

private:
    void toggle(TppComponent* component);

    QList<TppComponent*> components_;
    TppComponent* primary_ = nullptr;
};
