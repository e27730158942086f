#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TppCommunicator;
class TppDrawCommand;
class TppDrawVariable;

// The texts a look-ahead value reached in the first pass, one per scope (a
// group instance, a page), in the order the scopes began. Its owner stores
// the text after each computation; every draw command printed for a scope
// still open listens to the owner, so a page made before its scope ended
// takes the final text too, and in the second pass the text is printed as
// it stands. An entry listens as long as its scope is open: a store for a
// later scope closes the ones before it.
class TppLookAheadList {
public:
    explicit TppLookAheadList(TppCommunicator& owner);
    ~TppLookAheadList();
    TppLookAheadList(const TppLookAheadList&) = delete;
    TppLookAheadList& operator=(const TppLookAheadList&) = delete;

    // Raises the value notice (key, serial, text) on the owner for a key
    // already stored, else begins an entry for it.
    void Store(const QString& key, int serial, const QString& text);
    std::optional<QString> TextFor(const QString& key) const;
    // Gives a text command of the owner the text stored for the key; in the
    // first pass it also awaits the later values of that key.
    void Draw(TppDrawCommand& command, const QString& key, bool firstPass) const;
    // No entry hears the owner any more.
    void Release();
    int Count() const { return int(entries_.size()); }

private:
    TppCommunicator& owner_;
    std::vector<std::unique_ptr<TppDrawVariable>> entries_;
    // Entries before this one no longer listen.
    size_t open_ = 0;
};
