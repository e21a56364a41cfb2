#pragma once

#include "Common/CSearchDataParser.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// One recording search of a DVR: the query the data reader sends and the
// reading of the reply into time-line data. A new-dialect search asks for
// the recordings of a range of DVR time (and, when asked, for every hour
// that holds recordings); its reply is read within that range, so a span
// reaching far beyond it marks only what was asked. The old dialect's one
// search asks for every recording, naming the DVR connection's client id.
class CSearchRequest {
public:
    static CSearchRequest newDialect(bool hoursIncluded, std::uint32_t start, std::uint32_t end);
    static CSearchRequest oldDialect(int clientId);

    // Empty when the DVR's credentials do not fit in a query.
    QString query(const DVR& dvr) const;
    // The search result in the bytes the data reader delivered; none when a
    // new-dialect reply holds no whole packet.
    std::optional<CSearchDataParser> read(const QByteArray& reply) const;

    bool isOldDialect() const { return m_oldDialect; }
    bool hoursIncluded() const { return m_hoursIncluded; }
    std::uint32_t start() const { return m_start; }
    std::uint32_t end() const { return m_end; }

private:
    CSearchRequest() = default;

    bool m_oldDialect = false;
    int m_clientId = 0;
    bool m_hoursIncluded = false;
    std::uint32_t m_start = 0;
    std::uint32_t m_end = 0;
};
