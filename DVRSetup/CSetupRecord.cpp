#include "CSetupRecord.h"

#include "DVRSetup/CModelInfoDialog.h"
#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/DefStream.h"
#include "dvr_types/DvrModelInfo.h"
#include "sys_conf/types/record.h"
#include "ui_CSetupRecord.h"

#include <QEvent>
#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>
#include <climits>
#include <iterator>

namespace {

constexpr int SLOTS = config::Resolution_ARRAYSIZE;
constexpr int DAYS = 7;
constexpr int HOURS = 24;
constexpr int WEEK_HOURS = DAYS * HOURS;
constexpr int SCHEDULES = 4;
constexpr int COLUMN_WIDTH = 34;
constexpr int ROW_HEIGHT = 20;
constexpr int DAY_HEADER_WIDTH = 42;
constexpr int HOUR_HEADER_HEIGHT = 25;
constexpr config::Quality DEFAULT_QUALITY = config::QUALITY_HIGH;
constexpr KCodecType RECORDING_STREAM = 0;
constexpr int MODEL_TYPE_960H = 2;

// The modes the schedule grid paints, by mode: button and colour.
struct Brush {
    const char* button;
    QColor colour;
};
const Brush BRUSHES[] = {
    {"manual", QColor(255, 255, 255, 100)},
    {"continuous", QColor(255, 0, 0, 100)},
    {"motion", QColor(0, 170, 0, 100)},
    {"sensor", QColor(255, 170, 0, 100)},
    {"event", QColor(85, 85, 255, 100)},
    {"contEvent", QColor(255, 85, 255, 100)},
};
constexpr int BRUSH_COUNT = int(std::size(BRUSHES));

const QStringList START_POINTS = {"2 minutes ago", "10 minutes ago", "1 hour ago", "6 hours ago", "1 day ago", "First"};

// Texts of the resolution combo: HD-SDI and AHD offer three scales from
// resolution 1; 960H offers four sizes per video standard from resolution 0.
const QStringList SCALES = {" 25 %", " 50 %", "100 %"};
const QStringList SIZES_NTSC = {"360x240", "720x240", "720x480", "960x480"};
const QStringList SIZES_PAL = {"360x288", "720x288", "720x576", "960x576"};

template <class Element> void fill(google::protobuf::RepeatedField<Element>& list, int count, const Element& value)
{
    list.Clear();
    for (int i = 0; i < count; ++i)
        list.Add(value);
}

} // namespace

using Controls = CSetupControls;

CSetupRecord::CSetupRecord(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupRecord>())
{
    m_ui->setupUi(this);
    const auto combo = &QComboBox::currentIndexChanged;
    const auto group = &QButtonGroup::idClicked;
    connect(m_ui->channel, combo, this, &CSetupRecord::OnChangedChannel);
    connect(m_ui->resolution, combo, this, &CSetupRecord::OnChangedResolution);
    connect(m_ui->quality, combo, this, &CSetupRecord::OnChangedQuality);
    connect(m_ui->fps, combo, this, &CSetupRecord::OnChangedFPS);
    connect(m_ui->mode, combo, this, &CSetupRecord::OnChangedMode);
    connect(m_ui->eventQuality, combo, this, &CSetupRecord::OnChangedEventQuality);
    connect(m_ui->eventFPS, combo, this, &CSetupRecord::OnChangedEventFPS);
    connect(m_ui->audioGroup, group, this, &CSetupRecord::OnChangedAudio);
    connect(m_ui->timeOverlayGroup, group, this, &CSetupRecord::OnChangedTimeOverlay);
    connect(m_ui->playbackChannel, combo, this, &CSetupRecord::OnChangedPlaybackChannel);
    connect(m_ui->startPoint, combo, this, &CSetupRecord::OnChangedStartPoint);
    connect(m_ui->playbackAudioGroup, group, this, &CSetupRecord::OnChangedPlaybackAudio);
    for (const Brush& brush : BRUSHES)
        connect(findChild<QPushButton*>(brush.button), &QPushButton::clicked, this, &CSetupRecord::OnRecordMode);
    connect(m_ui->schedule, &QTableWidget::currentCellChanged, this, &CSetupRecord::OnChangedScheduleMode);
    connect(m_ui->scheduleNumber, &QSpinBox::valueChanged, this, &CSetupRecord::OnChangedSchedule);
    InitControls();
    InitDvrInfo(config::DvrConf_DvrInfo());
}

CSetupRecord::~CSetupRecord() = default;

void CSetupRecord::InitControls()
{
    Controls::setItems(m_ui->quality, DefStream::Quality);
    Controls::setItems(m_ui->eventQuality, DefStream::Quality);
    Controls::setItems(m_ui->startPoint, START_POINTS);
    InitSchedule();
    for (QButtonGroup* group : {m_ui->audioGroup, m_ui->timeOverlayGroup, m_ui->playbackAudioGroup})
        Controls::setSwitchIds(group);
    UpdateControls();
}

void CSetupRecord::InitSchedule()
{
    CScheduleGrid* grid = m_ui->schedule;
    {
        const QSignalBlocker blocker(m_ui->scheduleNumber);
        m_ui->scheduleNumber->setRange(1, SCHEDULES);
    }
    const QStringList days = {tr("SUN"), tr("MON"), tr("TUE"), tr("WED"), tr("THU"), tr("FRI"), tr("SAT")};
    QStringList hours;
    for (int hour = 0; hour < HOURS; ++hour)
        hours << QString::asprintf("%02d", hour);
    const QSignalBlocker blocker(grid);
    grid->setRowCount(DAYS);
    grid->setColumnCount(HOURS);
    grid->setVerticalHeaderLabels(days);
    grid->setHorizontalHeaderLabels(hours);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setDefaultSectionSize(COLUMN_WIDTH);
    grid->verticalHeader()->setMinimumSectionSize(16);
    for (int day = 0; day < DAYS; ++day)
        grid->setRowHeight(day, ROW_HEIGHT);
    grid->verticalHeader()->setFixedWidth(DAY_HEADER_WIDTH);
    grid->horizontalHeader()->setFixedHeight(HOUR_HEADER_HEIGHT);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFixedSize(HOURS * COLUMN_WIDTH + DAY_HEADER_WIDTH, DAYS * ROW_HEIGHT + HOUR_HEADER_HEIGHT);
}

void CSetupRecord::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    UpdateControls();
    InitConf();
}

void CSetupRecord::UpdateControls()
{
    QStringList channelTexts = Controls::numbered(QString(), channels());
    channelTexts << QStringLiteral("ALL");
    Controls::setItems(m_ui->channel, channelTexts);
    Controls::setItems(m_ui->playbackChannel, channelTexts);
    if (resolutionOffset() != 0)
        Controls::setItems(m_ui->resolution, SCALES);
    else if (videoType() == config::VIDEO_TYPE_NTSC)
        Controls::setItems(m_ui->resolution, SIZES_NTSC);
    else
        Controls::setItems(m_ui->resolution, SIZES_PAL);
    const QStringList rates
        = Controls::numbers(videoType() == config::VIDEO_TYPE_NTSC ? DefStream::FPSNtsc : DefStream::FPSPal);
    Controls::setItems(m_ui->fps, rates);
    Controls::setItems(m_ui->eventFPS, rates);
    const std::size_t inputs = sensors();
    Controls::setItems(m_ui->mode,
        Controls::rows([inputs](int row) { return config::RecordMode_Index2String(inputs, row, false); },
            config::RecordMode_Count(inputs)));
    m_ui->sensor->setVisible(inputs != 0);
    m_ui->event->setVisible(inputs != 0);
}

void CSetupRecord::InitConf()
{
    config::Record record;
    for (int ch = 0; ch < channels(); ++ch) {
        config::Record_Channel& channel = *record.add_channel();
        channel.set_resolution(config::RESOLUTION_960H);
        fill(*channel.mutable_qual(), SLOTS, int(DEFAULT_QUALITY));
    }
    SetConf(record);
}

int CSetupRecord::channels() const
{
    return static_cast<int>(m_dvrInfo.ch_num());
}

std::size_t CSetupRecord::sensors() const
{
    return DvrModelInfo(DvrModel(static_cast<int>(m_dvrInfo.model()))).sensors;
}

config::VideoType CSetupRecord::videoType() const
{
    return m_dvrInfo.vtype() == 0 ? config::VIDEO_TYPE_NTSC : config::VIDEO_TYPE_PAL;
}

int CSetupRecord::resolutionOffset() const
{
    return CModelInfoDialog::ModelIndex2Type(static_cast<int>(m_dvrInfo.model())) == MODEL_TYPE_960H ? 0 : 1;
}

void CSetupRecord::repairChannel(config::Record_Channel& channel) const
{
    if (resolutionOffset() != 0 && channel.resolution() == config::RESOLUTION_CIF)
        channel.set_resolution(config::RESOLUTION_HALF_D1);
    const auto repairQualities = [](google::protobuf::RepeatedField<int>& list) {
        if (list.size() != SLOTS)
            fill(list, SLOTS, int(DEFAULT_QUALITY));
    };
    const auto repairRates = [this](google::protobuf::RepeatedField<google::protobuf::uint32>& list) {
        if (list.size() == SLOTS)
            return;
        list.Clear();
        for (int r = 0; r < SLOTS; ++r)
            list.Add(static_cast<google::protobuf::uint32>(DefStream::FPS_GetDefAll(
                channels(), videoType(), static_cast<config::Resolution>(r), RECORDING_STREAM)));
    };
    repairQualities(*channel.mutable_qual());
    repairRates(*channel.mutable_fps());
    repairQualities(*channel.mutable_qual_evt());
    repairRates(*channel.mutable_fps_evt());
    if (!config::RecordMode_IsSupported(sensors(), channel.record_mode()))
        channel.set_record_mode(config::RECORD_MANUAL);
}

void CSetupRecord::MakeConfValid()
{
    if (m_record.channel_size() != channels()) {
        m_record.clear_channel();
        for (int ch = 0; ch < channels(); ++ch)
            m_record.add_channel();
        m_all.Clear();
    }
    for (config::Record_Channel& channel : *m_record.mutable_channel())
        repairChannel(channel);
    if (m_record.schedule_size() != SCHEDULES) {
        m_record.clear_schedule();
        for (int n = 0; n < SCHEDULES; ++n)
            m_record.add_schedule();
    }
    // The model's facts are looked up once, not for each of the week's hours.
    const std::size_t inputs = sensors();
    for (config::Record_Schedule& schedule : *m_record.mutable_schedule()) {
        google::protobuf::RepeatedField<int>& modes = *schedule.mutable_record_mode();
        if (modes.size() > WEEK_HOURS)
            modes.Truncate(WEEK_HOURS);
        while (modes.size() < WEEK_HOURS)
            modes.Add(config::RECORD_MANUAL);
        for (int& mode : modes) {
            if (!config::RecordMode_IsSupported(inputs, static_cast<config::RecordMode>(mode)))
                mode = config::RECORD_MANUAL;
        }
    }
    repairChannel(m_all);
}

void CSetupRecord::SetConf(const config::Record& record)
{
    m_record = record;
    MakeConfValid();
    m_allEdit.reset();
    Controls::setRow(m_ui->channel, 0);
    showEntry(0);
    const config::Record_Misc& misc = m_record.misc();
    Controls::setSwitch(m_ui->audioGroup, misc.audio_rec());
    Controls::setSwitch(m_ui->timeOverlayGroup, misc.time_overlay());
    const config::Record_Playback& playback = m_record.playback();
    // A channel beyond this DVR's leaves the combo without a current item.
    Controls::setRow(m_ui->playbackChannel,
        playback.chmode() <= static_cast<google::protobuf::uint32>(channels()) ? int(playback.chmode()) : -1);
    Controls::setRow(m_ui->startPoint, playback.start_point());
    Controls::setSwitch(m_ui->playbackAudioGroup, playback.audio_play());
    {
        const QSignalBlocker blocker(m_ui->scheduleNumber);
        m_ui->scheduleNumber->setValue(1);
    }
    loadSchedule(1);
    m_ui->manual->click();
}

config::Record CSetupRecord::GetConf()
{
    if (m_allEdit.spreads(allShown()))
        spreadAll();
    return m_record;
}

void CSetupRecord::spreadAll()
{
    const int r = chosenResolution();
    for (config::Record_Channel& channel : *m_record.mutable_channel()) {
        channel.set_resolution(static_cast<config::Resolution>(r));
        channel.set_qual(r, m_all.qual(r));
        channel.set_fps(r, m_all.fps(r));
        channel.set_qual_evt(r, m_all.qual_evt(r));
        channel.set_fps_evt(r, m_all.fps_evt(r));
        channel.set_record_mode(m_all.record_mode());
    }
}

bool CSetupRecord::allShown() const
{
    return m_ui->channel->currentIndex() == channels();
}

config::Record_Channel* CSetupRecord::currentEntry()
{
    const int index = m_ui->channel->currentIndex();
    if (index < 0 || index > channels())
        return nullptr;
    return index == channels() ? &m_all : m_record.mutable_channel(index);
}

int CSetupRecord::chosenResolution() const
{
    return m_ui->resolution->currentIndex() + resolutionOffset();
}

google::protobuf::uint32 CSetupRecord::chosenRate(int row) const
{
    return static_cast<google::protobuf::uint32>(DefStream::FPS_IDX2REAL(videoType(), row));
}

void CSetupRecord::showEntry(int index)
{
    if (index < 0 || index > channels())
        return;
    const config::Record_Channel& entry = index == channels() ? m_all : m_record.channel(index);
    Controls::setRow(m_ui->mode, config::RecordMode_Type2Index(sensors(), entry.record_mode()));
    enableEventControls(entry.record_mode());
    Controls::setRow(m_ui->resolution, entry.resolution() - resolutionOffset());
    showResolutionSlots(entry);
}

void CSetupRecord::showResolutionSlots(const config::Record_Channel& entry)
{
    const int r = entry.resolution();
    // Rates from a DVR may lie beyond an int; they show as the largest listed.
    const auto position = [this](google::protobuf::uint32 rate) {
        return DefStream::FPS_REAL2IDX(videoType(), int(std::min<google::protobuf::uint32>(rate, INT_MAX)));
    };
    Controls::setRow(m_ui->quality, entry.qual(r));
    Controls::setRow(m_ui->fps, position(entry.fps(r)));
    Controls::setRow(m_ui->eventQuality, entry.qual_evt(r));
    Controls::setRow(m_ui->eventFPS, position(entry.fps_evt(r)));
}

void CSetupRecord::enableEventControls(config::RecordMode mode)
{
    const bool event = mode == config::RECORD_CONTINUOUS_EVENT;
    m_ui->eventQuality->setEnabled(event);
    m_ui->eventFPS->setEnabled(event);
}

void CSetupRecord::noteEdit()
{
    m_allEdit.noteEdit(allShown());
}

void CSetupRecord::OnChangedChannel(int index)
{
    m_allEdit.reset();
    showEntry(index);
}

void CSetupRecord::editEntry(int index, const std::function<void(config::Record_Channel&)>& edit)
{
    config::Record_Channel* entry = currentEntry();
    if (index < 0 || !entry)
        return;
    edit(*entry);
    noteEdit();
}

void CSetupRecord::OnChangedResolution(int index)
{
    editEntry(index, [this, index](config::Record_Channel& entry) {
        entry.set_resolution(static_cast<config::Resolution>(index + resolutionOffset()));
        showResolutionSlots(entry);
    });
}

void CSetupRecord::OnChangedQuality(int index)
{
    editEntry(index, [this, index](config::Record_Channel& entry) {
        entry.set_qual(chosenResolution(), config::Quality_Index2Type(index));
    });
}

void CSetupRecord::OnChangedFPS(int index)
{
    editEntry(
        index, [this, index](config::Record_Channel& entry) { entry.set_fps(chosenResolution(), chosenRate(index)); });
}

void CSetupRecord::OnChangedMode(int index)
{
    editEntry(index, [this, index](config::Record_Channel& entry) {
        const config::RecordMode mode = config::RecordMode_Index2Type(sensors(), index);
        entry.set_record_mode(mode);
        enableEventControls(mode);
    });
}

void CSetupRecord::OnChangedEventQuality(int index)
{
    editEntry(index, [this, index](config::Record_Channel& entry) {
        entry.set_qual_evt(chosenResolution(), config::Quality_Index2Type(index));
    });
}

void CSetupRecord::OnChangedEventFPS(int index)
{
    editEntry(index,
        [this, index](config::Record_Channel& entry) { entry.set_fps_evt(chosenResolution(), chosenRate(index)); });
}

void CSetupRecord::OnChangedAudio(int id)
{
    m_record.mutable_misc()->set_audio_rec(id != 0);
}

void CSetupRecord::OnChangedTimeOverlay(int id)
{
    m_record.mutable_misc()->set_time_overlay(id != 0);
}

void CSetupRecord::OnChangedPlaybackChannel(int index)
{
    if (index >= 0)
        m_record.mutable_playback()->set_chmode(static_cast<google::protobuf::uint32>(index));
}

void CSetupRecord::OnChangedStartPoint(int index)
{
    if (index >= 0)
        m_record.mutable_playback()->set_start_point(config::PlayStart_Index2Type(index));
}

void CSetupRecord::OnChangedPlaybackAudio(int id)
{
    m_record.mutable_playback()->set_audio_play(id != 0);
}

void CSetupRecord::OnRecordMode()
{
    const QObject* button = sender();
    for (int mode = 0; button && mode < BRUSH_COUNT; ++mode) {
        if (button->objectName() == QLatin1String(BRUSHES[mode].button))
            m_brush = static_cast<config::RecordMode>(mode);
    }
}

void CSetupRecord::changeCellColor(int row, int column)
{
    paintCell(row, column, m_brush);
}

void CSetupRecord::paintCell(int row, int column, int mode)
{
    auto* item = new QTableWidgetItem;
    item->setData(Qt::BackgroundRole, BRUSHES[mode].colour);
    m_ui->schedule->setItem(row, column, item);
}

void CSetupRecord::OnChangedScheduleMode(int currentRow, int currentColumn, int, int)
{
    // The current cell the toolkit sets when the grid gains focus is no
    // stroke of the operator's.
    if (!m_ui->schedule->operatorMoving())
        return;
    if (currentRow < 0 || currentRow >= DAYS || currentColumn < 0 || currentColumn >= HOURS)
        return;
    changeCellColor(currentRow, currentColumn);
    m_record.mutable_schedule(m_ui->scheduleNumber->value() - 1)
        ->set_record_mode(currentRow * HOURS + currentColumn, m_brush);
}

void CSetupRecord::OnChangedSchedule(int value)
{
    loadSchedule(value);
}

void CSetupRecord::loadSchedule(int number)
{
    if (number < 1 || number > m_record.schedule_size())
        return;
    const config::Record_Schedule& schedule = m_record.schedule(number - 1);
    CScheduleGrid* grid = m_ui->schedule;
    const QSignalBlocker blocker(grid);
    for (int day = 0; day < DAYS; ++day) {
        for (int hour = 0; hour < HOURS; ++hour) {
            const int mode = schedule.record_mode(day * HOURS + hour);
            // Hours that follow another schedule (SCHEDULE 1 to 4) have no
            // brush: they show none, not what the cell showed before.
            if (mode >= BRUSH_COUNT) {
                delete grid->takeItem(day, hour);
                continue;
            }
            paintCell(day, hour, mode);
        }
    }
}

void CSetupRecord::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupRecord::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
