#pragma once

#include "ComponentStream.h"

#include <QStringList>
#include <optional>

// The arguments of a command that writes one template file anew as another:
// IN OUT [--to text|binary], in any order.
struct InOutArguments {
    QString in;
    QString out;
    std::optional<StreamForm> form; // none when --to is not given
};

// The arguments, or nothing with `problem` saying what is wrong with them.
std::optional<InOutArguments> parseInOutArguments(const QStringList& arguments, QString& problem);
