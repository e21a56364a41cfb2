#include "CStartup.h"

#include "Common/CComboListFit.h"
#include "Common/CCoreMetaTypes.h"
#include "Common/CFileListLocale.h"
#include "Common/CPlainMessageBox.h"
#include "Connection/CApplicationSender.h"
#include "Connection/COrderedCommands.h"
#include "DVRSetup/CRelaySwitches.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CLockWaitShare.h"
#include "Settings/CPendingSettings.h"
#include "viewer/Viewer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

const int STOP_POLL_MS = 20;
const int ENDING_MARGIN_MS = 1500;
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

std::unique_ptr<Viewer> CStartup::showMainWindow()
{
    std::unique_ptr<Viewer> window;
    {
        const CLockWaitShare oneWait;
        window = std::make_unique<Viewer>();
    }
    window->show();
    return window;
}

void CStartup::end(std::unique_ptr<Viewer> window, int pendingWaitMs)
{
    QString reason;
    QStringList lost;
    {
        const CLockWaitShare oneWait;
        window.reset();
        lost = CPendingSettings::ofApplication().saveOrGiveUp(&reason);
    }
    // The closed connections' stop requests and the relays' pending
    // switch-offs, before the message waits for the operator.
    sendPendingCommands(pendingWaitMs);
    if (!lost.isEmpty())
        CPlainMessageBox::warning(
            nullptr, CPendingSettings::tr("Settings"), CPendingSettings::lostMessage(lost, reason));
    const QString leftOn = CRelaySwitches::ofApplication().takeLeftOnMessage();
    if (!leftOn.isEmpty())
        CPlainMessageBox::warning(nullptr, CRelaySwitches::tr("Relay"), leftOn);
}

void CStartup::sendPendingCommands(int timeoutMs)
{
    // Links that stopped on their own threads have posted their requests.
    QCoreApplication::sendPostedEvents();
    COrderedCommands& lines = COrderedCommands::ofApplication();
    CRelaySwitches& relays = CRelaySwitches::ofApplication();
    relays.sendAllNow();
    const auto pending = [&lines] { return CApplicationSender::pending() > 0 || lines.isBusy(); };
    const QDeadlineTimer deadline(timeoutMs);
    // A stop or an Off waiting behind a command the DVR has not answered
    // goes out anyway while there is time left for its answer.
    const QDeadlineTimer lastCall(std::max(timeoutMs - ENDING_MARGIN_MS, 0));
    bool endingSent = false;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!endingSent && lastCall.hasExpired()) {
            lines.sendEndingNow();
            endingSent = true;
        }
        if (!pending() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(STOP_POLL_MS);
    if (pending())
        loop.exec();
    lines.reportUnfinished();
    relays.reportUnanswered();
}
