#pragma once

#include <QString>

// The lines of a map's event log: "<time>  <DVR>  <channel>  <word>", the
// word in the one language every log reader shares (never translated).
class CEMapLog {
public:
    // The word of an EMap_Status value; empty for any other value.
    static QString statusWord(int status);
    // Empty when the status has no word.
    static QString line(const QString& time, const QString& dvrName, const QString& channelName, int status);
};
