#pragma once

#include <QCoreApplication>
#include <QString>

// The text of a DVR's answer code, the one byte of a response packet, as the
// streaming links and the command replies tell it. The DVR sends the code
// alone: the whole text, "[ERROR]" with it, is the program's and is worded
// in the language chosen when it is asked for.
class CAnswerCode {
    Q_DECLARE_TR_FUNCTIONS(CAnswerCode)

public:
    // The code says the DVR took the request: 0 in the new dialect; the old
    // dialect has none.
    static bool accepts(bool oldProtocol, int code);
    // Empty for a code that accepts; a code the dialect does not know reads
    // "[ERROR]unknown".
    static QString text(bool oldProtocol, int code);
};
