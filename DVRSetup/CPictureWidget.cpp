#include "DVRSetup/CPictureWidget.h"

#include "Common/CDataParser.h"
#include "Connection/CReadDVRData.h"
#include "ui_CPictureWidget.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <climits>

namespace {

// No DVR has more channels: a larger count in a directory record would
// only make the page hold values nobody can select.
const int MAX_CHANNELS = 16;

struct RowInfo {
    const char* changeSlot; // named in the debug line of a change
    cgi::PictureControlSet::Type type;
};

const RowInfo ROWS[] = {
    {"ChangeContrast", cgi::PictureControlSet::CONTRAST},
    {"ChangeBrightness", cgi::PictureControlSet::BRIGHTNESS},
    {"ChangeSaturation", cgi::PictureControlSet::SATURATION},
    {"ChangeHSharpness", cgi::PictureControlSet::HSHARPNESS},
    {"ChangeVSharpness", cgi::PictureControlSet::VSHARPNESS},
};

} // namespace

CPictureWidget::CPictureWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CPictureWidget>())
    , m_readTimeLimitMs(CReadDVRData::DEFAULT_TIME_LIMIT_MS)
{
    m_ui->setupUi(this);
    for (int row = 0; row < ROW_COUNT; ++row)
        connect(slider(Row(row)), &QSlider::sliderPressed, this, &CPictureWidget::sliderPressed);
    connect(m_ui->contrast, &QSlider::sliderReleased, this, &CPictureWidget::contrastReleased);
    connect(m_ui->brightness, &QSlider::sliderReleased, this, &CPictureWidget::brightnessReleased);
    connect(m_ui->saturation, &QSlider::sliderReleased, this, &CPictureWidget::saturationReleased);
    connect(m_ui->hsharpness, &QSlider::sliderReleased, this, &CPictureWidget::hsharpnessReleased);
    connect(m_ui->vsharpness, &QSlider::sliderReleased, this, &CPictureWidget::vsharpnessReleased);
    connect(m_ui->contrast, &QSlider::valueChanged, this, &CPictureWidget::ChangeContrast);
    connect(m_ui->brightness, &QSlider::valueChanged, this, &CPictureWidget::ChangeBrightness);
    connect(m_ui->saturation, &QSlider::valueChanged, this, &CPictureWidget::ChangeSaturation);
    connect(m_ui->hsharpness, &QSlider::valueChanged, this, &CPictureWidget::ChangeHSharpness);
    connect(m_ui->vsharpness, &QSlider::valueChanged, this, &CPictureWidget::ChangeVSharpness);
    connect(m_ui->set_default, &QPushButton::clicked, this, &CPictureWidget::SetDefault);
    fillValues();
}

CPictureWidget::~CPictureWidget()
{
    delete m_reader;
}

void CPictureWidget::setReadTimeLimit(int milliseconds)
{
    m_readTimeLimitMs = milliseconds;
}

QSlider* CPictureWidget::slider(Row row) const
{
    QSlider* const sliders[] = {m_ui->contrast, m_ui->brightness, m_ui->saturation, m_ui->hsharpness, m_ui->vsharpness};
    return sliders[row];
}

google::protobuf::RepeatedField<google::protobuf::uint32>& CPictureWidget::values(Row row)
{
    switch (row) {
    case CONTRAST:
    case ROW_COUNT:
        break;
    case BRIGHTNESS:
        return *m_values.mutable_brightness();
    case SATURATION:
        return *m_values.mutable_saturation();
    case HSHARPNESS:
        return *m_values.mutable_hsharpness();
    case VSHARPNESS:
        return *m_values.mutable_vsharpness();
    }
    return *m_values.mutable_contrast();
}

void CPictureWidget::SetConnectedDVR(const DVR& dvr, int clientId)
{
    // The values already read stay in use while the same DVR answers the
    // same way: a reconnection or a rename does not read them again.
    const DVR& held = m_command.dvr();
    if (m_command.isSameDVR(dvr) && dvr.id() == held.id() && dvr.password() == held.password()
        && dvr.oldprotocol() == held.oldprotocol()) {
        m_command.setDVR(dvr, clientId);
        return;
    }
    m_pressed = false;
    m_values.Clear();
    m_command.setDVR(dvr, clientId);
    fillValues();
    replaceReader();
    refreshSliders();
    if (dvr.oldprotocol())
        return;
    const QString query = m_command.newQuery(cgi::MODE_PICTURE_GET, cgi::NullMsg());
    if (!query.isEmpty())
        m_reader->startRead(dvr, query);
}

void CPictureWidget::clearConnectedDVR()
{
    if (!m_command.hasDVR())
        return;
    m_pressed = false;
    m_values.Clear();
    m_command.clearDVR();
    fillValues();
    CReadDVRData::discard(m_reader);
    refreshSliders();
}

void CPictureWidget::replaceReader()
{
    // The previous DVR's read ends now: nothing it still delivers may reach
    // this DVR's values, and a silent DVR must not hold up the window.
    CReadDVRData::discard(m_reader);
    m_reader = new CReadDVRData(this);
    m_reader->setTimeLimit(m_readTimeLimitMs);
    connect(m_reader, &CReadDVRData::completed, this, &CPictureWidget::PictureControlReaded);
}

void CPictureWidget::SetChannel(int channel)
{
    m_channel = channel;
    refreshSliders();
}

void CPictureWidget::PictureControlReaded(const QByteArray& data)
{
    if (data.isEmpty())
        return;
    CDataParser parser;
    if (!parser.setReceivedData(data.constData(), static_cast<unsigned>(data.size()))
        || parser.getDataType() != cgi::DATA_PICTURE)
        return;
    const std::vector<char>& payload = parser.getResultData();
    cgi::PictureControlGet read;
    if (!read.ParseFromArray(payload.data(), static_cast<int>(payload.size())))
        return;
    m_values.Swap(&read);
    refreshSliders();
}

void CPictureWidget::fillValues()
{
    const int channels = std::clamp(m_command.dvr().chnum(), 0, MAX_CHANNELS);
    for (int row = 0; row < ROW_COUNT; ++row) {
        auto& list = values(Row(row));
        while (list.size() < channels)
            list.Add(DEFAULT_VALUE);
    }
}

void CPictureWidget::refreshSliders()
{
    fillValues();
    for (int row = 0; row < ROW_COUNT; ++row) {
        auto& list = values(Row(row));
        if (m_channel < 0 || m_channel >= list.size())
            continue;
        // Showing values never writes them: a value beyond the slider's
        // range is held as the slider shows it, and the DVR keeps its own
        // until the operator moves the slider.
        QSlider* shown = slider(Row(row));
        const QSignalBlocker quiet(shown);
        shown->setValue(static_cast<int>(std::min<quint32>(list.Get(m_channel), INT_MAX)));
        list.Set(m_channel, static_cast<quint32>(shown->value()));
    }
}

void CPictureWidget::changeValue(Row row, int value)
{
    auto& list = values(row);
    if (m_pressed || m_channel < 0 || m_channel >= list.size() || list.Get(m_channel) == static_cast<quint32>(value))
        return;
    qDebug("%s : %d", ROWS[row].changeSlot, value);
    list.Set(m_channel, static_cast<quint32>(value));
    sendSet(ROWS[row].type, value);
}

void CPictureWidget::sendSet(cgi::PictureControlSet::Type type, int value)
{
    cgi::PictureControlSet set;
    set.set_channel(static_cast<quint32>(m_channel));
    set.set_type(type);
    set.set_value(static_cast<quint32>(value));
    m_command.sendNew(cgi::MODE_PICTURE_SET, set);
}

void CPictureWidget::sliderPressed()
{
    m_pressed = true;
}

void CPictureWidget::releaseSlider(Row row)
{
    m_pressed = false;
    changeValue(row, slider(row)->value());
}

void CPictureWidget::contrastReleased()
{
    releaseSlider(CONTRAST);
}

void CPictureWidget::brightnessReleased()
{
    releaseSlider(BRIGHTNESS);
}

void CPictureWidget::saturationReleased()
{
    releaseSlider(SATURATION);
}

void CPictureWidget::hsharpnessReleased()
{
    releaseSlider(HSHARPNESS);
}

void CPictureWidget::vsharpnessReleased()
{
    releaseSlider(VSHARPNESS);
}

void CPictureWidget::ChangeContrast(int value)
{
    changeValue(CONTRAST, value);
}

void CPictureWidget::ChangeBrightness(int value)
{
    changeValue(BRIGHTNESS, value);
}

void CPictureWidget::ChangeSaturation(int value)
{
    changeValue(SATURATION, value);
}

void CPictureWidget::ChangeHSharpness(int value)
{
    changeValue(HSHARPNESS, value);
}

void CPictureWidget::ChangeVSharpness(int value)
{
    changeValue(VSHARPNESS, value);
}

void CPictureWidget::SetDefault()
{
    qDebug("%s", "SetDefault");
    bool held = false;
    for (int row = 0; row < ROW_COUNT; ++row) {
        auto& list = values(Row(row));
        if (m_channel >= 0 && m_channel < list.size()) {
            list.Set(m_channel, DEFAULT_VALUE);
            held = true;
        }
    }
    if (!held)
        return;
    refreshSliders();
    sendSet(cgi::PictureControlSet::DEFAULT, 0);
}

void CPictureWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CPictureWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    // A drag cut short by disabling never ends in a release: later changes
    // must not stay muted.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        m_pressed = false;
    QWidget::changeEvent(event);
}
