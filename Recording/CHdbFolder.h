#pragma once

#include "SysData/HdbFileHeader.h"

#include <QFileInfoList>
#include <QString>

class CSearchDataParser;

// The minute databases (".hdb") of a recording folder, read as a local
// search reads them: every database's minute records go into one search
// parser, and the header of the last database read is kept for playback.
class CHdbFolder {
public:
    // The folder's databases: plain files only, in directory order.
    static QFileInfoList list(const QString& folder);
    // Adds the records of each file to the parser. A file that does not open
    // or does not begin with a database header (its code, version 1 and a
    // channel count of 1 to 16) is skipped and leaves the header as it was.
    // Returns the number of databases read.
    static int read(const QFileInfoList& files, CSearchDataParser* parser, HdbFileHeader* header);
};
