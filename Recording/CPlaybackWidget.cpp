#include "Recording/CPlaybackWidget.h"

#include "Common/CDateHour.h"
#include "Common/CDateTime.h"
#include "Common/CSearchDataParser.h"
#include "Display/CDisplayWidget.h"
#include "Recording/CHdbFolder.h"
#include "Recording/CNoDvrLine.h"
#include "Recording/CPanelMessage.h"
#include "Recording/CPlaybackFile.h"
#include "Recording/CRemoteSearch.h"
#include "Recording/CSearchWidget.h"
#include "ui_CPlaybackWidget.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

// The button images live in this static library; nothing else references
// them, so the linker keeps them only when asked here (outside any
// namespace, as the resource macro requires).
static void initPlaybackImages()
{
    Q_INIT_RESOURCE(PlaybackImages);
}

namespace {

const int SLIDER_SPARE = 300;
const int LINE_HEIGHT = 16;
const int TOP = 20;
const int GAP = 10; // between the no-DVR line and the start time
const std::time_t MINUTE = 60;
const std::time_t HOUR = 3600;
const QLatin1String BUTTON_PREFIX("PbCtrl_");

// The button names, less "PbCtrl_", and the commands they send to a DVR.
const struct {
    const char* action;
    cgi::PbControl::Cmd command;
} COMMANDS[] = {
    {"RevPlay", cgi::PbControl::CMD_REVERSE},
    {"Play", cgi::PbControl::CMD_FORWARD},
    {"Pause", cgi::PbControl::CMD_PAUSE},
    {"Stop", cgi::PbControl::CMD_STOP},
    {"PrevFrame", cgi::PbControl::CMD_STEP_REVERSE},
    {"NextFrame", cgi::PbControl::CMD_STEP_FORWARD},
    {"Slow", cgi::PbControl::CMD_SLOWER},
    {"Fast", cgi::PbControl::CMD_FASTER},
};

// The folder's frame indexes in time order. Each is named after its first
// frame's time, and a minute recorded twice gets "-1" behind the name of
// the first, so the names without their extension sort by time.
QFileInfoList frameIndexes(const QString& folder)
{
    QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("*.hrf")}, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(files.begin(), files.end(),
        [](const QFileInfo& a, const QFileInfo& b) { return a.completeBaseName() < b.completeBaseName(); });
    return files;
}

} // namespace

CPlaybackWidget::CPlaybackWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::CPlaybackWidget)
{
    initPlaybackImages();
    ui->setupUi(this);
    m_search = new CSearchWidget(this);
    m_remote = new CRemoteSearch(this);
    m_noDvr = new CNoDvrLine(this);
    m_thread = new CPlaybackFile(this);
    connect(m_search, &CSearchWidget::selectedTime, this, &CPlaybackWidget::OnSelectedTime);
    connect(m_search, &CSearchWidget::changedTime, this, &CPlaybackWidget::OnChangedTime);
    connect(m_remote, &CRemoteSearch::replied, this, &CPlaybackWidget::displaySearchData);
    connect(ui->PlaybackSlider, &QSlider::sliderPressed, this, &CPlaybackWidget::OnPressedSlider);
    connect(ui->PlaybackSlider, &QSlider::sliderReleased, this, &CPlaybackWidget::OnReleasedSlider);
    for (QPushButton* button : findChildren<QPushButton*>(QRegularExpression(QStringLiteral("PbCtrl_*"))))
        connect(button, &QPushButton::clicked, this, &CPlaybackWidget::OnClickPbCtrl);
    if (parent)
        resize(parent->size());
    layoutPanel();
    clear();
    showNoDvr();
}

CPlaybackWidget::~CPlaybackWidget()
{
    closeFile();
    delete ui;
}

void CPlaybackWidget::layoutPanel()
{
    ui->PlaybackSlider->setGeometry(0, 0, width() - SLIDER_SPARE, LINE_HEIGHT);
    m_search->move(0, TOP);
    ui->PlaybackControl->move(width() - ui->PlaybackControl->width(), TOP);
    showStartTime();
}

void CPlaybackWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPanel();
}

void CPlaybackWidget::showStartTime()
{
    ui->PbStartTime->setText(m_startTime);
    ui->PbStartTime->adjustSize();
    ui->PbStartTime->move(m_search->x() + m_search->width() - ui->PbStartTime->width(), 0);
    // The no-DVR line has the strip above the search panel left of the start
    // time, never under it, however long it reads in the operator's
    // language.
    const int end = m_startTime.isEmpty() ? m_search->x() + m_search->width() : ui->PbStartTime->x() - GAP;
    m_noDvr->setGeometry(0, 0, end, TOP);
}

void CPlaybackWidget::clear()
{
    m_search->clear();
    m_lastShown = CDateTime::currentWallClock();
    // The calendar, the hour mark and the start time show the time the
    // next search asks for, not the last one's.
    m_search->setSelectedTime(m_lastShown);
    m_startTime.clear();
    showStartTime();
}

void CPlaybackWidget::search(const DVR& dvr, CDirectoryEntry::Id entry, int channels, int clientId)
{
    m_search->clear();
    ui->PlaybackSlider->hide();
    m_local = false;
    m_search->setDVRChannels(channels);
    // The new time line sets the search panel's width, and with it the room
    // of the strip above it.
    layoutPanel();
    m_remote->start(dvr, entry, clientId, m_lastShown);
    showNoDvr();
}

void CPlaybackWidget::search(const QString& folder)
{
    m_search->clear();
    m_remote->clear();
    ui->PlaybackSlider->setValue(0);
    ui->PlaybackSlider->show();
    m_search->setDVRChannels(16);
    layoutPanel();
    // Local also before a folder is chosen: no DVR's search is the panel's,
    // and no earlier folder plays.
    m_local = true;
    m_folder = folder;
    showNoDvr();
    if (folder.isEmpty())
        return;
    const QFileInfoList databases = CHdbFolder::list(folder);
    if (databases.isEmpty()) {
        CPanelMessage::show(nullptr, tr("There is no playback file."));
        return;
    }
    m_remote->showWait();
    clear();
    m_header = HdbFileHeader();
    CSearchDataParser result(false);
    const int read = CHdbFolder::read(databases, &result, &m_header);
    if (!result.getDateHours().empty())
        m_search->SetDateHour(result.getDateHours());
    m_search->AppendDatas(result.getMinDatas());
    m_search->setSelectedTime(result.getDvrTime());
    m_remote->hideWait();
    if (read == 0)
        CPanelMessage::show(nullptr, tr("There is no playback file."));
}

void CPlaybackWidget::displaySearchData(const CSearchDataParser& result)
{
    if (!result.getDateHours().empty())
        m_search->SetDateHour(result.getDateHours());
    m_search->AppendDatas(result.getMinDatas());
    m_search->setSelectedTime(m_lastShown);
}

bool CPlaybackWidget::reloadSearchData()
{
    return m_remote->reload();
}

bool CPlaybackWidget::searched(const DVR& dvr, CDirectoryEntry::Id entry) const
{
    return !m_local && m_remote->searches(dvr, entry);
}

void CPlaybackWidget::forgetDvr()
{
    if (m_local)
        return;
    clear();
    m_remote->clear();
    showNoDvr();
}

void CPlaybackWidget::showNoDvr()
{
    m_noDvr->setVisible(!m_local && !m_remote->hasDvr());
}

void CPlaybackWidget::setDisplayWidget(CDisplayWidget* wall)
{
    m_display = wall;
}

int CPlaybackWidget::getSelectedChannels() const
{
    return m_search->getSelectedChannels();
}

void CPlaybackWidget::OnChangedTime()
{
    const std::time_t t = m_search->getSelectedDateTime();
    if (t / MINUTE != m_lastShown / MINUTE) {
        m_startTime = CDateTime::convert_Timet_QDateTime(long(t)).toString(QStringLiteral("yyyy-MM-dd  hh:mm"));
        showStartTime();
    }
    if (!m_local && t / HOUR != m_lastShown / HOUR && m_remote->searchesByHour()
        && !m_search->IsExistInDatas(CDateHour::fromTime(quint32(t))))
        m_remote->searchHour(t);
    m_lastShown = t;
}

void CPlaybackWidget::OnSelectedTime(time_t time, int channels)
{
    if (!m_local) {
        emit selectedTime(time, channels);
        return;
    }
    closeFile();
    m_files = m_folder.isEmpty() ? QFileInfoList() : frameIndexes(m_folder);
    const QString minute = CDateTime::convert_Timet_QDateTime(long(time)).toString(QStringLiteral("yyyyMMdd_hhmm"));
    const auto file = std::find_if(
        m_files.cbegin(), m_files.cend(), [&](const QFileInfo& info) { return info.fileName().startsWith(minute); });
    // Held until the main window has wired the thread to the wall, so that
    // the minute's first frames reach it.
    m_thread->pause();
    if (file == m_files.cend() || !loadFile(int(file - m_files.cbegin()))) {
        m_thread->restart();
        CPanelMessage::show(nullptr, tr("There is no playback file."));
        return;
    }
    emit selectedTime(time, channels);
}

bool CPlaybackWidget::loadFile(int index)
{
    if (index < 0 || index >= m_files.size() || !m_thread->Load(m_header, m_files.at(index).filePath()))
        return false;
    m_fileIndex = index;
    ui->PlaybackSlider->setRange(0, std::max(0, m_thread->frameCount() - 1));
    return true;
}

void CPlaybackWidget::OnPlayEnd(bool forward)
{
    const int next = m_fileIndex + (forward ? 1 : -1);
    if (next < 0 || next >= m_files.size()) {
        emit stopDisplay();
        return;
    }
    // The end is told once the thread has run out; Load needs it finished.
    m_thread->wait();
    if (!loadFile(next))
        emit stopDisplay();
}

void CPlaybackWidget::OnPressedSlider()
{
    m_sliderHeld = true;
    m_thread->pause();
}

void CPlaybackWidget::OnReleasedSlider()
{
    if (!m_sliderHeld)
        return;
    m_thread->setFrameIndex(ui->PlaybackSlider->value());
    m_sliderHeld = false;
}

void CPlaybackWidget::OnClickPbCtrl()
{
    const QString action = sender()->objectName().mid(BUTTON_PREFIX.size());
    if (m_local) {
        doLocal(action);
        return;
    }
    for (const auto& button : COMMANDS) {
        if (action == QLatin1String(button.action)) {
            emit changedPbStatus(button.command);
            return;
        }
    }
}

void CPlaybackWidget::doLocal(const QString& action)
{
    if (action == QLatin1String("RevPlay"))
        m_thread->play(false);
    else if (action == QLatin1String("Pause"))
        m_thread->pause();
    else if (action == QLatin1String("Stop"))
        PlayStop();
    else if (action == QLatin1String("PrevFrame"))
        m_thread->frame(false);
    else if (action == QLatin1String("NextFrame"))
        m_thread->frame(true);
    else if (action == QLatin1String("Slow"))
        m_thread->slow();
    else if (action == QLatin1String("Fast"))
        m_thread->fast();
    else if (m_thread->isRunning())
        m_thread->play(true);
    else
        OnSelectedTime(m_search->getSelectedDateTime(), m_search->getSelectedChannels());
}

void CPlaybackWidget::connectSignal()
{
    disconnectSignal();
    if (m_display) {
        // Frames are copied on the playback thread; the pointer they carry
        // is valid during the call only.
        m_threadLinks << connect(
            m_thread, &CPlaybackFile::DisplayVideo, m_display, &CDisplayWidget::slotDisplayVideo, Qt::DirectConnection);
        m_threadLinks << connect(
            m_thread, &CPlaybackFile::PlayAudio, m_display, &CDisplayWidget::OnPlayAudio, Qt::DirectConnection);
        m_threadLinks << connect(
            m_thread, &CPlaybackFile::signalChangedStatus, m_display, &CDisplayWidget::signalChangedStatus);
        m_threadLinks << connect(
            m_thread, &CPlaybackFile::signalDecoderRestart, m_display, &CDisplayWidget::slotDecoderRestart);
    }
    m_threadLinks << connect(m_thread, &CPlaybackFile::playEnd, this, &CPlaybackWidget::OnPlayEnd);
    m_threadLinks << connect(m_thread, &CPlaybackFile::changedframe, ui->PlaybackSlider, &QSlider::setValue);
    m_thread->restart();
}

void CPlaybackWidget::disconnectSignal()
{
    // Dropped only once the thread no longer uses them (mid-frame, the
    // playback thread reads the direct links' slot objects).
    m_thread->pause();
    for (const QMetaObject::Connection& link : std::as_const(m_threadLinks))
        QObject::disconnect(link);
    m_threadLinks.clear();
}

void CPlaybackWidget::closeFile()
{
    if (m_display && m_thread->isRunning())
        m_display->stop();
    disconnectSignal();
    m_thread->Close();
}

void CPlaybackWidget::PlayStop()
{
    closeFile();
    emit stopDisplay();
}

void CPlaybackWidget::languageChange()
{
    ui->retranslateUi(this);
    showStartTime();
}

void CPlaybackWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
