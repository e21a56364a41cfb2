#include "Display/CDisplayWidget.h"

#include "Common/CChannelNum.h"
#include "Common/CFrameInfo.h"
#include "Display/CDisplayVideo.h"
#include "Display/CGLRenderer.h"
#include "Display/CScreen.h"
#include "Display/CWallLayout.h"
#include "Settings/CAppSettings.h"
#include "Settings/CEventSound.h"

#include <QDebug>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <vector>

namespace {
const int CHANNELS_PER_DVR = 16;

bool bit(unsigned long long mask, int ch)
{
    return CChannelNum::isEnabled(mask, ch);
}

// Layout sizes are whole squares; a DVR's channel count gets the smallest
// square grid that holds all its channels (8 channels: 9 screens).
int layoutForChannels(int channels)
{
    int k = 1;
    while (k * k < channels)
        ++k;
    return k * k;
}

} // namespace

CDisplayWidget::CDisplayWidget(QWidget* parent)
    : QWidget(parent)
    , m_handOff([this] { QMetaObject::invokeMethod(this, &CDisplayWidget::takeRecords, Qt::QueuedConnection); })
    , m_sequenceTimer(new QTimer(this))
    , m_eventSound(new CEventSound)
{
    setMinimumSize(MAX_IMAGE_VIEW_WIDTH, MAX_IMAGE_VIEW_HEIGHT);
    resize(MAX_IMAGE_VIEW_WIDTH, MAX_IMAGE_VIEW_HEIGHT_LIVE);
    connect(m_sequenceTimer, &QTimer::timeout, this, &CDisplayWidget::switchChannel);
    m_router = new CDisplayVideo;
    // One event brings the newest record of every screen, however many the
    // decoding threads made meanwhile. A record made on this thread (a
    // status) is shown at once, behind what waited before it.
    connect(
        m_router, &CDisplayVideo::signalUpdateScreen, this,
        [this](const CDisplayInfo& record) {
            m_handOff.post(record);
            if (QThread::currentThread() == thread())
                takeRecords();
        },
        Qt::DirectConnection);
    // The time and the playback status of a frame that came before the wall
    // was cleared are stale, as its picture is.
    connect(m_router, &CDisplayVideo::signalUpdateTime, this, [this](const QString& time, uint32_t clears) {
        if (clears == m_router->clears())
            emit signalUpdateTime(time);
    });
    connect(m_router, &CDisplayVideo::signalChangedStatus, this, [this](const QString& status, uint32_t clears) {
        if (clears == m_router->clears())
            emit signalChangedStatus(status);
    });
    resetDisplay();
}

CDisplayWidget::~CDisplayWidget()
{
    m_router->clear(-1);
    delete m_router;
    delete m_screen;
    delete m_eventSound;
}

void CDisplayWidget::resetDisplay()
{
    const int viewCount = getScreenMode() == MULTI_DVR ? CWallLayout::MAX_TILES : 16;
    delete m_screen;
    m_screen = nullptr;
    const OpenGLMode mode = openGLModeSetting();
    m_shrinksTiles = mode != OPENGL_OFF && CGLRenderer::drawsInSoftware();
    m_screen = new CScreen(this, mode, CWallLayout::MAX_TILES);
    m_selected = 0;
    setView(viewCount, 0);
    m_layoutSize = viewCount;
    m_page = 0;
    m_laidOutSize = QSize(-1, -1);
    m_previousCount = 0;
    m_previousStart = 0;
    clearTileEvents();
    updateSelectScreen(0);
    UpdateDisplaySettings();
    m_eventSound->UpdateSetting();
    setScreens(viewCount);
    m_router->changeOpenglOption(mode != OPENGL_OFF);
    // The OpenGL wall turns planar pictures into colour on the graphics
    // card; the widget tiles scale RGB images.
    m_router->setPlanarPictures(mode != OPENGL_OFF);
}

void CDisplayWidget::setScreenMode(SCREEN_MODE mode)
{
    m_screenMode = mode;
}

void CDisplayWidget::UpdateDisplaySettings()
{
    CAppSettings settings;
    // The same defaults as PC setup: a wall made before PC setup stored
    // them shows what PC setup shows.
    m_screen->setDisplaySettings(
        settings.readSetting(CAppSettings::OSD_CH_NAME, CAppSettings::OSD_CH_NAME_DEFAULT).toBool(),
        settings.readSetting(CAppSettings::OSD_RECORD, CAppSettings::OSD_RECORD_DEFAULT).toInt(),
        settings.readSetting(CAppSettings::OSD_EVENT, CAppSettings::OSD_EVENT_DEFAULT).toInt());
}

void CDisplayWidget::UpdateEventAlarmSetting()
{
    m_eventSound->UpdateSetting();
}

int CDisplayWidget::screenOfChannel(int ch, const _DISPLAY_DVR_INFO& info) const
{
    if (ch < 0 || ch >= CHANNELS_PER_DVR)
        return -1;
    if (getScreenMode() != MULTI_DVR)
        return ch;
    // A channel the DVR was not asked for has no screen of its own.
    if (!bit(static_cast<unsigned int>(info.channelMask), ch))
        return -1;
    return info.startScreen + CChannelNum::getIndexCount(static_cast<unsigned int>(info.channelMask), ch);
}

int CDisplayWidget::channelToScreen(int ch, const _DISPLAY_DVR_INFO& info) const
{
    const int screen = screenOfChannel(ch, info);
    return screen >= 0 && isOnView(screen) ? screen : -1;
}

void CDisplayWidget::slotDisplayVideo(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len)
{
    if (!data || len == 0)
        return;
    const int ch = CDisplayVideo::getVideoChannel(info.oldProtocol, data, static_cast<unsigned long>(len));
    const View shown = view();
    const int screen = screenOfChannel(ch, info);
    if (screen < 0 || !shown.contains(screen))
        return;
    m_router->makeImage(channelInfo(info, ch, screen, shown), data, static_cast<unsigned long>(len));
}

_DISPLAY_CHANNEL_INFO CDisplayWidget::channelInfo(
    const _DISPLAY_DVR_INFO& info, int ch, int screen, const View& shown) const
{
    _DISPLAY_CHANNEL_INFO channel;
    channel.mode = DISPLAY_MODE::ENUM(info.mode);
    channel.pbMode = PbMode(info.pbMode);
    channel.screenIndex = screen - shown.start;
    channel.screen = screen;
    channel.authority = bit(static_cast<unsigned int>(info.authorityMask), ch);
    channel.name = info.dvrName;
    channel.title = info.channelNames[ch];
    channel.record = bit(info.recordMask, ch);
    channel.motion = bit(info.motionMask, ch);
    channel.sensor = bit(info.sensorMask, ch);
    channel.videoLoss = info.mode == DISPLAY_MODE::LIVE && bit(info.videoLossMask, ch);
    channel.oldProtocol = info.oldProtocol;
    return channel;
}

void CDisplayWidget::OnPlayAudio(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len)
{
    if (!data || len == 0)
        return;
    const CFrameInfo frame = CFrameInfo::read(info.oldProtocol, data, len);
    if (!frame.valid || frame.payloadSize == 0)
        return;
    const std::size_t offset = std::size_t(frame.dataOffset);
    if (offset > len || len - offset != std::size_t(CDecodeAudio::getEncodedSize(info.oldProtocol))) {
        qDebug() << "audio size error";
        return;
    }
    const int screen = screenOfChannel(frame.channel, info);
    if (screen < 0 || screen != selectedScreen())
        return;

    std::vector<short> samples(std::size_t(CDecodeAudio::getDecodedSize(info.oldProtocol)));
    int decoded = 0;
    {
        std::lock_guard<std::mutex> lock(m_audioDecodeLock);
        decoded = m_audioDecoder.DecodeFrame(
            info.oldProtocol, data + offset, int(len - offset), samples.data(), int(samples.size()));
    }
    if (decoded <= 0)
        return;
    QByteArray pcm(decoded * 2, Qt::Uninitialized);
    qToLittleEndian<qint16>(samples.data(), decoded, pcm.data());
    m_audio.PushAudio(info.oldProtocol, pcm);
}

void CDisplayWidget::slotUpdateDVRStatus(const _DISPLAY_DVR_INFO& info)
{
    const View shown = view();
    for (int ch = 0; ch < CHANNELS_PER_DVR; ++ch) {
        // Only the channels asked of the DVR have screens; the others must
        // not paint the status over another channel's screen.
        if (!bit(static_cast<unsigned int>(info.channelMask), ch))
            continue;
        const int screen = screenOfChannel(ch, info);
        if (screen < 0 || !shown.contains(screen))
            continue;
        _DISPLAY_CHANNEL_INFO channel = channelInfo(info, ch, screen, shown);
        channel.failure = info.failure;
        m_router->updateDVRStatus(ch, channel);
    }
}

void CDisplayWidget::OnDVRChannels(int channels)
{
    if (getScreenMode() == MULTI_DVR || m_layoutSize == CWallLayout::MAX_TILES)
        return;
    if (channels <= 0 || channels > CHANNELS_PER_DVR)
        return;
    m_page = 0;
    m_selected = 0;
    m_layoutSize = layoutForChannels(channels);
    UpdateDisplayRect(m_layoutSize, 0);
    updateSelectScreen(0);
    UpdateDisplaySettings();
    m_eventSound->UpdateSetting();
}

void CDisplayWidget::slotUpdateScreen(const CDisplayInfo& info)
{
    if (info.channel < 0 || info.channel >= CHANNELS_PER_DVR)
        return;
    const int screen = getScreenMode() == MULTI_DVR ? info.screen : info.channel;
    const int tile = screenToWidgetIndex(screen);
    if (tile < 0 || tile >= getViewScreens())
        return;
    // Pictures of a local playback that has stopped, or of frames that came
    // before the wall was cleared, were on their way: the wall shows none of
    // them, whatever it shows now.
    if (m_router->isStale(info))
        return;
    // Pictures on their way when a connection failed came before it.
    if (!info.status && info.hasPicture() && m_router->showsStatus(tile))
        return;
    const int selectedTile = screenToWidgetIndex(selectedScreen());
    const int channelBefore = m_screen->getInfo(selectedTile).channel;
    m_screen->setInfo(tile, info);
    if (tile == selectedTile && channelBefore < 0)
        updateSelectScreen(selectedScreen());
    m_tileEvents[std::size_t(tile)] = info.motion || info.sensor;
    updateEventAlarm();
}

void CDisplayWidget::takeRecords()
{
    const QList<CDisplayInfo> records = m_handOff.take();
    for (const CDisplayInfo& record : records)
        slotUpdateScreen(record);
}

void CDisplayWidget::slotDecoderRestart(int ch)
{
    m_router->clear(ch);
}

void CDisplayWidget::setScreens(int n)
{
    if (n <= 0 || n > CWallLayout::MAX_TILES)
        return;
    m_page = 0;
    m_selected = 0;
    m_layoutSize = n;
    UpdateDisplayRect(n, 0);
    updateSelectScreen(0);
    UpdateDisplaySettings();
    m_eventSound->UpdateSetting();
}

void CDisplayWidget::UpdateDisplayRect(int n, int start)
{
    if (n == 0 && start == 0) {
        m_laidOutSize = QSize(-1, -1);
        m_previousCount = 0;
        m_previousStart = 0;
        return;
    }
    if (n <= 0 || n > CWallLayout::MAX_TILES || start < 0 || start >= CWallLayout::MAX_SCREENS)
        return;
    if (n == getViewScreens() && start == getViewStartScreen() && size() == m_laidOutSize) {
        qDebug() << "same screens";
        return;
    }
    if (getViewScreens() > 1) {
        m_previousCount = getViewScreens();
        m_previousStart = getViewStartScreen();
    }
    setView(n, start);

    if (!isOnView(selectedScreen()))
        updateSelectScreen(selectedScreen() % n + start);

    m_screen->clear();
    clearTileEvents();
    const QList<QRect> rects = CWallLayout::tileRects(n, size());
    for (int i = 0; i < CWallLayout::MAX_TILES; ++i) {
        m_screen->updateDisplayRect(i, rects[i]);
        m_router->setTileSize(i, i < n && m_shrinksTiles ? rects[i].size() : QSize());
    }
    m_screen->resize(size());
    m_laidOutSize = size();
    // One to three screens lay out as one column of one (whole square root 1).
    emit enableSingleScreen(n < 4);
    emit sendChannelCommand(n, start);
    emit tilesCleared();
}

void CDisplayWidget::updateSelectScreen(int screen)
{
    const int tile = screenToWidgetIndex(screen);
    const bool onView = tile >= 0 && tile < getViewScreens();
    m_screen->setSelected(onView ? tile : -1);
    if (screen != selectedScreen()) {
        m_audio.clear();
        m_selected = screen;
    }
    int channel = onView ? m_screen->getInfo(tile).channel : -1;
    if (channel >= CHANNELS_PER_DVR)
        channel = -1;
    emit changedScreen(selectedScreen(), channel);
}

int CDisplayWidget::getSelectedScreen(const QPoint& globalPos) const
{
    const QPoint pos = mapFromGlobal(globalPos);
    for (int tile = 0; tile < getViewScreens(); ++tile) {
        if (m_screen->getDisplayRect(tile).contains(pos)) {
            const int screen = widgetIndexToScreen(tile);
            return screen < CWallLayout::MAX_SCREENS ? screen : -1;
        }
    }
    return -1;
}

void CDisplayWidget::doubleClickedScreen(int screen)
{
    if (screen < 0 || screen >= CWallLayout::MAX_SCREENS)
        return;
    if (isSingleScreen()) {
        int count = m_previousCount;
        int start = m_previousStart;
        if (count <= 1) {
            // Nothing to go back to: the page of the layout that holds the screen.
            count = m_layoutSize;
            start = CWallLayout::pageStart(CWallLayout::pageOf(screen, count), count);
        }
        UpdateDisplayRect(count, start);
    } else {
        UpdateDisplayRect(1, screen);
    }
    if (getScreenMode() == MULTI_DVR) {
        updateSelectScreen(screen);
        const int n = getViewScreens();
        m_page = CWallLayout::pageOf(screen, n);
        UpdateDisplayRect(n, CWallLayout::pageStart(m_page, n));
    } else if (isOnView(screen)) {
        updateSelectScreen(screen);
    }
}

void CDisplayWidget::updatePage()
{
    const int n = getViewScreens();
    m_page = CWallLayout::pageOf(selectedScreen(), n);
    UpdateDisplayRect(n, CWallLayout::pageStart(m_page, n));
}

void CDisplayWidget::setNextPage()
{
    const int n = getViewScreens();
    m_page = m_page + 1 < CWallLayout::pageCount(n) ? m_page + 1 : 0;
    UpdateDisplayRect(n, CWallLayout::pageStart(m_page, n));
}

void CDisplayWidget::setPrevPage()
{
    const int n = getViewScreens();
    m_page = m_page >= 1 ? qMin(m_page, CWallLayout::pageCount(n)) - 1 : CWallLayout::pageCount(n) - 1;
    UpdateDisplayRect(n, CWallLayout::pageStart(m_page, n));
}

QString CDisplayWidget::getCurrentPage() const
{
    return QStringLiteral("%1 / %2").arg(m_page + 1).arg(CWallLayout::pageCount(getViewScreens()));
}

bool CDisplayWidget::IsSameScreen(int screens, int start) const
{
    return getViewScreens() == screens && getViewStartScreen() == start;
}

void CDisplayWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const int screen = getSelectedScreen(event->globalPosition().toPoint());
    if (screen >= 0)
        updateSelectScreen(screen);
    qDebug() << "DisplayWidget mousePressEvent";
}

void CDisplayWidget::mouseDoubleClicked(QMouseEvent* event)
{
    if (m_zoom || m_sequence)
        return;
    const int screen = getSelectedScreen(event->globalPosition().toPoint());
    if (screen >= 0)
        emit doubleClicked(screen);
}

void CDisplayWidget::setSequence(bool on)
{
    if (getScreenMode() == MULTI_DVR) {
        qDebug() << "livem can't use sequence mode.";
        return;
    }
    m_sequence = on;
    m_router->clear(-1);
    if (on) {
        emit sendChannelCommand(16, 0);
        const int seconds = CAppSettings().readSetting(CAppSettings::SEQ_INTERVAL).toInt();
        m_sequenceTimer->start(qMax(MIN_SEQUENCE_SECONDS, seconds) * 1000);
        UpdateDisplayRect(1, 0);
    } else {
        m_sequenceTimer->stop();
        UpdateDisplayRect(getViewScreens(), getViewStartScreen());
    }
}

void CDisplayWidget::switchChannel()
{
    if (getScreenMode() == MULTI_DVR) {
        qDebug() << "livem can't switch channels.";
        return;
    }
    m_router->clear(-1);
    const int start = getViewStartScreen();
    UpdateDisplayRect(1, start < m_layoutSize - 1 ? start + 1 : 0);
}

void CDisplayWidget::setZoom(bool on)
{
    // Switching off is always allowed, so that a zoom left on when the view
    // grew cannot keep double clicks blocked.
    if (on && !isSingleScreen())
        return;
    m_zoom = on;
    if (on) {
        setCursor(Qt::CrossCursor);
        m_screen->startZoom(screenToWidgetIndex(selectedScreen()));
    } else {
        setCursor(Qt::ArrowCursor);
        m_screen->endZoom();
    }
}

void CDisplayWidget::EnterFullScreen()
{
    if (isFullScreen())
        return;
    QScreen* desktop = screen();
    setParent(nullptr);
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    if (desktop && desktop != QGuiApplication::primaryScreen())
        move(desktop->geometry().topLeft());
    showFullScreen();
    UpdateDisplayRect(getViewScreens(), getViewStartScreen());
}

void CDisplayWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isFullScreen()) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        showNormal();
        emit exitFullScreen();
    }
    event->accept();
}

void CDisplayWidget::resizeEvent(QResizeEvent* event)
{
    if (event->size().width() != event->oldSize().width() || event->size().height() != event->oldSize().height())
        UpdateDisplayRect(getViewScreens(), getViewStartScreen());
}

void CDisplayWidget::ClearScreen()
{
    m_router->clear(-1);
    m_screen->clear();
    clearTileEvents();
    m_audio.clear();
    emit tilesCleared();
}

void CDisplayWidget::setPbStatus(const cgi::PbControl_Cmd& cmd)
{
    m_router->setPbStatus(cmd);
}

void CDisplayWidget::newPlaybackStream()
{
    m_router->newPlaybackStream();
}

void CDisplayWidget::setDeinterlaced(bool deinterlaced)
{
    m_router->setDeinterlaced(deinterlaced);
}

CWholeFileWriter::Result CDisplayWidget::saveCaptureImage(
    const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason)
{
    return m_screen->saveCaptureImage(path, format, reason);
}

void CDisplayWidget::showWaitWidget(bool show)
{
    m_screen->showWaitWidget(this, show);
}

void CDisplayWidget::start(const DISPLAY_MODE::ENUM& mode)
{
    m_router->startDecodeThread(CHANNELS_PER_DVR, mode);
}

void CDisplayWidget::stop()
{
    m_router->exitDecodeThread();
}

std::size_t CDisplayWidget::queuedFrames() const
{
    std::size_t frames = 0;
    for (int slot = 0; slot < CDisplayVideo::kDecoderSlots; ++slot)
        frames += m_router->queuedFrames(slot);
    return frames;
}

void CDisplayWidget::updateEventAlarm()
{
    bool event = false;
    for (int tile = 0; tile < getViewScreens() && !event; ++tile)
        event = m_tileEvents[std::size_t(tile)];
    m_eventSound->setEvent(event);
}

void CDisplayWidget::clearTileEvents()
{
    m_tileEvents.fill(false);
    m_eventSound->setEvent(false);
}
