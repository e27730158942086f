#pragma once

#include <QByteArray>
#include <QString>

// A compile error of a program: the message's code (-1 for an "expected"
// message), its text, and where the offending token starts (0, 0 when there is
// no token).
struct TraSyntaxError {
    int errorCode = -1;
    QString msg;
    int lineNo = 0;
    int charPos = 0;
    QByteArray tokenText;
};
