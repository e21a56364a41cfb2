#include "Recording/CRemoteSearch.h"

#include "Common/CDvrIdentity.h"
#include "Connection/CReadDVRData.h"
#include "Display/CWaitDialog.h"

namespace {
const std::time_t HOUR = 3600;
} // namespace

CRemoteSearch::CRemoteSearch(QObject* parent)
    : QObject(parent)
    , m_wait(std::make_unique<CWaitDialog>())
    , m_timeLimitMs(CReadDVRData::DEFAULT_TIME_LIMIT_MS)
{
}

CRemoteSearch::~CRemoteSearch() = default;

void CRemoteSearch::clear()
{
    m_reader.reset();
    m_dvr.reset();
    m_entry = CDirectoryEntry::NONE;
    m_asked.reset();
    m_lastRequest.reset();
    m_lastReply.clear();
    m_version = 0;
    hideWait();
}

void CRemoteSearch::start(const DVR& dvr, CDirectoryEntry::Id entry, int clientId, std::time_t shown)
{
    clear();
    if (clientId < 0)
        return;
    m_dvr = dvr;
    m_entry = entry;
    m_reader = std::make_unique<CReadDVRData>();
    connect(m_reader.get(), &CReadDVRData::completed, this, &CRemoteSearch::OnCompleted);
    const auto hour = std::uint32_t(shown / HOUR * HOUR);
    send(dvr.oldprotocol() ? CSearchRequest::oldDialect(clientId)
                           : CSearchRequest::newDialect(true, hour, std::uint32_t(hour + HOUR)));
}

bool CRemoteSearch::searches(const DVR& dvr, CDirectoryEntry::Id entry) const
{
    return m_dvr && CDvrIdentity::same(*m_dvr, dvr) && m_entry == entry;
}

bool CRemoteSearch::searchesByHour() const
{
    return m_version != 0 && m_dvr && !m_dvr->address().empty();
}

void CRemoteSearch::searchHour(std::time_t t)
{
    const auto hour = std::uint32_t(t / HOUR * HOUR);
    send(CSearchRequest::newDialect(false, hour, std::uint32_t(hour + HOUR)));
}

void CRemoteSearch::send(const CSearchRequest& request)
{
    if (!m_reader || !m_dvr)
        return;
    // Credentials that do not fit in a query are not sent cut.
    const QString query = request.query(*m_dvr);
    if (query.isEmpty())
        return;
    m_asked = request;
    showWait();
    m_reader->setTimeLimit(m_timeLimitMs);
    m_reader->startRead(*m_dvr, query);
}

void CRemoteSearch::OnCompleted(const QByteArray& data)
{
    if (!data.isEmpty() && m_asked)
        show(*m_asked, data);
    hideWait();
}

bool CRemoteSearch::reload()
{
    if (m_lastReply.isEmpty() || !m_lastRequest)
        return false;
    show(*m_lastRequest, m_lastReply);
    return true;
}

void CRemoteSearch::show(const CSearchRequest& request, const QByteArray& reply)
{
    const std::optional<CSearchDataParser> result = request.read(reply);
    if (!result)
        return;
    m_lastRequest = request;
    m_lastReply = reply;
    m_version = result->getVersion();
    emit replied(*result);
}

void CRemoteSearch::showWait()
{
    m_wait->setModal(true);
    m_wait->setVisible(true);
}

void CRemoteSearch::hideWait()
{
    if (m_wait->isVisible())
        m_wait->accept();
}
