#pragma once

#include <QList>
#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>

// Names that stand for particular values of an integer property: colours
// ("clBlack"), font character sets, cursors. Templates write the name where
// the value has one and accept either form back.
class IntegerIdents {
public:
    IntegerIdents(std::initializer_list<std::pair<int, const char*>> entries);

    // The first name listed for the value: a value with two names
    // ("clGray", "clDkGray") is always written with the same one.
    std::optional<QString> nameOf(int value) const;
    // Without regard to case.
    std::optional<int> valueOf(const QString& name) const;

private:
    QList<std::pair<int, QString>> entries_;
};

// The colour names: RGB colours in the platform's blue-green-red byte order,
// "clNone", and the system colours 0xFF000000 + the system colour index.
const IntegerIdents& colorIdents();

// The font character sets; "DEFAULT_CHARSET" (1) is a font's own.
const IntegerIdents& charsetIdents();
