#include "CStartup.h"

#include "Common/CComboListFit.h"
#include "Common/CCoreMetaTypes.h"
#include "Common/CFileListLocale.h"
#include "Connection/CApplicationSender.h"
#include "DVRSetup/CRelaySwitches.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

const int STOP_POLL_MS = 20;
const int LARGE_BLOCK_BYTES = 128 * 1024;

} // namespace

void CStartup::prepareMemory()
{
#if defined(__GLIBC__)
    // Setting the bar also stops the allocator from moving it.
    mallopt(M_MMAP_THRESHOLD, LARGE_BLOCK_BYTES);
#endif
}

void CStartup::prepareApplication()
{
    QCoreApplication::setOrganizationName(CAppSettings::COMPANY_NAME);
    QCoreApplication::setApplicationName(CAppSettings::APP_NAME);
    CCoreMetaTypes::registerTypes();
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new CComboListFit(application));
    application->installEventFilter(new CFileDialogLocale(application));
}

bool CStartup::installTranslation(const CAppSettings& settings, const CLanguage& languages)
{
    return languages.applyLanguage(settings.readLanguage());
}

void CStartup::sendPendingCommands(int timeoutMs)
{
    // Links that stopped on their own threads have posted their requests.
    QCoreApplication::sendPostedEvents();
    CRelaySwitches& relays = CRelaySwitches::ofApplication();
    relays.sendAllNow();
    // A relay command waiting for the one before it is not yet the sender's.
    const auto pending = [&relays] { return CApplicationSender::pending() > 0 || relays.isSending(); };
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!pending() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(STOP_POLL_MS);
    if (pending())
        loop.exec();
    relays.reportUnanswered();
}
