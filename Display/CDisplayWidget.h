#pragma once

#include "Common/CDecodeAudio.h"
#include "Common/CWholeFileWriter.h"
#include "Common/DisplayDvrInfo.h"
#include "Display/CDisplayInfo.h"
#include "Display/CPlayAudio.h"
#include "Display/CRecordHandOff.h"
#include "Display/CWallLayout.h"
#include "Display/CaptureFileFormat.h"
#include "Display/DisplayChannelInfo.h"
#include "Display/DisplayMode.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QSize>
#include <QWidget>
#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>

class CDisplayVideo;
class CEventSound;
class CScreen;
class QTimer;

// The screen wall controller: the widget of the main window that holds the
// wall. It maps every DVR channel of every connection to a screen, hands
// video to the frame router and the selected screen's audio to the audio
// output, draws the router's records, and owns the layout (1 to 64 screens of
// a page, screen numbers 0 to 255), paging, selection, sequence, digital
// zoom, full screen, snapshots, the wait indicator and the event alarm.
//
// slotDisplayVideo and OnPlayAudio run on the delivering threads (connect
// them directly); everything else runs on the GUI thread. The view, the
// screen mode and the selected screen are atomics, read by the delivering
// threads for every frame; a layout change takes effect from the next frame.
class CDisplayWidget : public QWidget {
    Q_OBJECT

public:
    enum SCREEN_MODE {
        // One DVR on the wall (also the mode of the other pages).
        SINGLE_DVR = 0,
        // Many DVRs, their channels numbered across the wall.
        MULTI_DVR = 1,
    };

    static constexpr int SCREEN_SPACE = CWallLayout::SCREEN_SPACE;
    static constexpr int MAX_IMAGE_VIEW_WIDTH = 730;
    static constexpr int MAX_IMAGE_VIEW_HEIGHT = 490;
    static constexpr int MAX_IMAGE_VIEW_HEIGHT_LIVE = 550;
    // The sequence never steps faster than its shortest choice.
    static constexpr int MIN_SEQUENCE_SECONDS = 2;

    explicit CDisplayWidget(QWidget* parent = nullptr);
    ~CDisplayWidget() override;

    // Rebuilds the wall in the rendering of the Opengl setting with a fresh
    // layout; the main window calls it after the PC setup was applied.
    void resetDisplay();
    void setScreenMode(SCREEN_MODE mode);
    SCREEN_MODE getScreenMode() const { return SCREEN_MODE(m_screenMode.load()); }

    void setScreens(int n);
    void UpdateDisplayRect(int screens, int start);
    void updateSelectScreen(int screen);
    // The screen of the tile under a global position; -1 when none.
    int getSelectedScreen(const QPoint& globalPos) const;
    int selectedScreen() const { return m_selected.load(); }
    void doubleClickedScreen(int screen);
    void updatePage();
    void setNextPage();
    void setPrevPage();
    QString getCurrentPage() const;
    int currentPage() const { return m_page; }
    int layoutSize() const { return m_layoutSize; }
    bool IsSameScreen(int screens, int start) const;
    int getViewScreens() const { return view().count; }
    int getViewStartScreen() const { return view().start; }
    int getViewEndScreen() const { return view().start + view().count; }
    bool isSingleScreen() const { return getViewScreens() == 1; }

    // The screen that shows a channel of a connection; -1 when the channel
    // has no screen or its screen is not on view.
    int channelToScreen(int ch, const _DISPLAY_DVR_INFO& info) const;
    int screenToWidgetIndex(int screen) const { return screen - getViewStartScreen(); }
    int widgetIndexToScreen(int index) const { return getViewStartScreen() + index; }

    void setSequence(bool on);
    bool isSequence() const { return m_sequence; }
    void setZoom(bool on);
    bool IsZoom() const { return m_zoom; }
    void EnterFullScreen();
    // Empties every tile and silences the alarm of the events shown, then
    // emits tilesCleared. Pictures and times of live and remote playback
    // frames that came before are not shown even when they arrive later. A
    // running sequence goes on stepping and the alarm stays switched as its
    // setting says: the redraws after a layout change or a DVR's failure
    // clear the wall too.
    void ClearScreen();

    void setPbStatus(const cgi::PbControl_Cmd& cmd);
    // A remote playback starts: its status answers no earlier command.
    void newPlaybackStream();
    void setDeinterlaced(bool deinterlaced);
    // Whole or not at all, as the snapshot writer has it; reason: why not, or
    // why not confirmed, when known.
    CWholeFileWriter::Result saveCaptureImage(
        const QString& path, CAPTURE_FILEFORMAT::ENUM format, QString* reason = nullptr);
    void showWaitWidget(bool show);
    // Local-file playback runs the router's decode threads between these.
    void start(const DISPLAY_MODE::ENUM& mode);
    void stop();

    CScreen* wall() const { return m_screen; }
    // Frames waiting for the decoder threads, over all screens.
    std::size_t queuedFrames() const;
    // The frame router, for tools and tests that watch the pictures go out.
    CDisplayVideo* router() const { return m_router; }
    CPlayAudio& audioOutput() { return m_audio; }
    CEventSound* eventSound() const { return m_eventSound; }

public slots:
    void UpdateDisplaySettings();
    void UpdateEventAlarmSetting();
    void slotDisplayVideo(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    void OnPlayAudio(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t len);
    void slotUpdateDVRStatus(const _DISPLAY_DVR_INFO& info);
    void OnDVRChannels(int channels);
    void slotUpdateScreen(const CDisplayInfo& info);
    void slotDecoderRestart(int ch);
    void switchChannel();
    void mouseDoubleClicked(QMouseEvent* event);

signals:
    void exitFullScreen();
    void enableSingleScreen(bool enable);
    void changedScreen(int screen, int dvrch);
    void doubleClicked(int screen);
    // The screens on view: their count and the first one.
    void sendChannelCommand(int screens, int firstch);
    // Every tile was emptied (a new layout or page, a sequence step, a
    // clear): the wall keeps no state of a connection, so a connection that
    // shows one rather than pictures (a failure) shows it again.
    void tilesCleared();
    void signalUpdateTime(QString strtime);
    void signalChangedStatus(QString strstatus);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The screens on view. Start and count live in one atomic value, so that
    // a delivering thread never sees the start of one view with the count of
    // another (a screen index outside the view would reach the decoder).
    struct View {
        int start;
        int count;
        bool contains(int screen) const { return screen >= start && screen < start + count; }
    };
    View view() const
    {
        const int packed = m_view.load();
        return {packed >> 8, packed & 0xFF};
    }
    void setView(int count, int start) { m_view = start << 8 | count; }

    // The screen of channel ch of a connection, on view or not; -1 when the
    // connection does not show that channel.
    int screenOfChannel(int ch, const _DISPLAY_DVR_INFO& info) const;
    bool isOnView(int screen) const { return view().contains(screen); }
    // What the frame router is told about a frame or status of channel ch
    // shown on screen.
    _DISPLAY_CHANNEL_INFO channelInfo(const _DISPLAY_DVR_INFO& info, int ch, int screen, const View& shown) const;
    void updateEventAlarm();
    void clearTileEvents();
    // Shows what the frame router handed over since the last time.
    void takeRecords();

    CDecodeAudio m_audioDecoder;
    // Audio connections of several DVRs may deliver at once.
    std::mutex m_audioDecodeLock;
    CPlayAudio m_audio;
    CDisplayVideo* m_router = nullptr;
    // Small tiles' pictures are shrunk on the decoding threads: the OpenGL
    // wall draws with a rasteriser on the processor (CGLRenderer).
    bool m_shrinksTiles = false;
    // The router's records on their way from its threads to the tiles.
    CRecordHandOff m_handOff;
    CScreen* m_screen = nullptr;
    std::atomic<int> m_selected{0};
    int m_layoutSize = 64;
    int m_page = 0;
    std::atomic<int> m_view{16};
    int m_previousCount = 0;
    int m_previousStart = 0;
    QSize m_laidOutSize{-1, -1};
    bool m_zoom = false;
    std::atomic<int> m_screenMode{SINGLE_DVR};
    bool m_sequence = false;
    QTimer* m_sequenceTimer;
    CEventSound* m_eventSound;
    // Tiles on view whose record shows motion or a sensor event.
    std::array<bool, 64> m_tileEvents{};
};
