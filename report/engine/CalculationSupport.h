#pragma once

#include "TppEvent.h"
#include "TppTypes.h"

#include <QString>
#include <QVariant>

#include <map>

class TppCacheable;
class TppCommunicator;
class TppComponent;
class TppCustomEngine;
class TppCustomReport;

// The events a variable computes and resets on.
enum TppVarEventType : int {
    veTraversal,
    veDataPipelineTraversal,
    vePageStart,
    vePageEnd,
    veColumnStart,
    veColumnEnd,
    veReportStart,
    veReportEnd,
    veGroupStart,
    veGroupEnd,
    veGroupBeforeHeader,
    veGroupBeforeFooter
};

enum TppDBCalcType : int { dcCount, dcSum, dcMinimum, dcMaximum, dcAverage };

// The event kinds calculations raise: a value computed and reset (script
// handlers hear them with the value), and a look-ahead value stored
// (key, serial, text) for the draw commands awaiting it.
inline constexpr int ciVariableCalc = 33;
inline constexpr int ciVariableReset = 34;
// A variable's calculation for handlers of the older kind, which take no value.
inline constexpr int ciVariableOldCalc = 55;
inline constexpr int ciLookAheadValue = 67;

// (sender, display format, data type, value, text): may replace the text.
using TppFormatEvent = TppEvent<TppCommunicator*, const QString&, TppDataType, const QVariant&, QString&>;

// The report and engine of a component while it prints; none otherwise.
TppCustomReport* reportOf(const TppComponent& component);
TppCustomEngine* engineOf(const TppComponent& component);
// The engine is in the pass that counts the pages (of a two-pass report,
// the first; of a one-pass report, its only one).
bool inFirstPass(const TppComponent& component);
// Look-ahead keys: the key of the component's report (which tells the
// instances of a child report apart), "%8d" of the scope, "|", "%8d" of
// the column.
QString lookAheadKey(const TppComponent& component, int scope, int column);

// A text per saved page, beside an object's page records (which hold numbers
// only), so that a page made again starts from the text it had. Kept apart
// for each cache stream the object saves into: the keep-together snapshot
// saves its page 0 into a cache of its own.
class PageTexts {
public:
    void Save(const TppCacheable& object, int page, const QString& text);
    // False for a page never saved: the text stays.
    bool Load(const TppCacheable& object, int page, QString& text) const;
    void Discard(const TppCacheable& object, int page);

private:
    std::map<const void*, std::map<int, QString>> texts_;
};

// A value computed at a page's or column's end, after the page's records
// were saved: the record is written again so that it holds that value.
class CacheRewrite {
public:
    void Saved(int page) {
        page_ = page;
        justWritten_ = true;
    }
    // Once after each save, when the save was for the current page.
    void Rewrite(TppCacheable& object, int currentPage);
    void Forget() { justWritten_ = false; }

private:
    int page_ = -1;
    bool justWritten_ = false;
};
