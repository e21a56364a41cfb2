#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one conversion of narrow text: names and information pages of
// old-dialect DVRs and every other 8-bit text the DVRs exchange are EUC-KR.
// Operator text in the DVR list is UTF-8 and file paths use the platform's
// file-name encoding; neither goes through here.
class CEucKr {
public:
    static QString toUnicode(QByteArrayView bytes);
    static QByteArray fromUnicode(QStringView text);

    // A text in a fixed-size field: it ends at the first zero byte or at the
    // end of the field, whichever comes first.
    static QString fieldToUnicode(const char* field, qsizetype capacity);
};
