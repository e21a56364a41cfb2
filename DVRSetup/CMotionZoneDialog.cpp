#include "CMotionZoneDialog.h"

#include "Common/CChannelNum.h"
#include "Common/CFrameInfo.h"
#include "Connection/CHttpConnect.h"
#include "DVRSetup/CMotionDetect.h"
#include "Display/CDisplayInfo.h"
#include "Display/CScreen.h"
#include "Settings/CAppSettings.h"
#include "ui_CMotionZoneDialog.h"

#include <QEvent>
#include <QPushButton>
#include <cstring>

namespace {

const QRect VIDEO_AREA(0, 0, 352, 240);
const QPoint VIDEO_POSITION(20, 20);
constexpr int DECODER_ENTRY = 0;
constexpr int SCREEN = 0;
// Frames are at most the largest payload behind the longest header.
constexpr std::size_t MAX_FRAME = CDecodeVideo::kMaxFrameBytes + 80;

OpenGLMode renderingSetting()
{
    // The wall draws with OpenGL unless the machine has none (setting 2).
    return CAppSettings().readSetting(CAppSettings::OPENGL).toInt() == OPENGL_OFF ? OPENGL_OFF
                                                                                  : OPENGL_HIGH_PERFORMANCE;
}

} // namespace

CMotionZoneDialog::CMotionZoneDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CMotionZoneDialog>())
    , m_link(std::make_unique<CHttpConnect>())
{
    m_ui->setupUi(this);
    const OpenGLMode rendering = renderingSetting();
    m_screen = std::make_unique<CScreen>(this, rendering, 1);
    m_screen->updateDisplayRect(SCREEN, VIDEO_AREA);
    m_screen->resize(VIDEO_AREA.size());
    m_screen->move(VIDEO_POSITION);
    // Yellow marks set cells here, not a selected screen.
    m_screen->setSelected(-1);
    m_screen->clear();
    m_grid = new CMotionDetect;
    m_grid->resize(VIDEO_AREA.size());
    m_screen->addWidget(m_grid);
    QObject::connect(m_ui->selection, &QPushButton::clicked, this, &CMotionZoneDialog::OnSelection);
    QObject::connect(m_ui->clear, &QPushButton::clicked, this, &CMotionZoneDialog::OnClear);
    QObject::connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QObject::connect(
        this, &CMotionZoneDialog::pictureDecoded, this, &CMotionZoneDialog::showPicture, Qt::QueuedConnection);
    m_decoder.Init(1);
    m_decoder.changeOpenglOption(rendering != OPENGL_OFF);
    m_decoder.setDeinterlaced(false);
}

CMotionZoneDialog::~CMotionZoneDialog()
{
    QObject::disconnect(m_link.get(), nullptr, this, nullptr);
    m_link->Disconnect();
    m_link.reset();
    m_decoder.Deinit();
    m_screen.reset();
}

void CMotionZoneDialog::setMotionZone(int rows, int cols, const QByteArray& zone)
{
    m_grid->setMotionZone(rows, cols, zone);
}

QByteArray CMotionZoneDialog::getMotionZone() const
{
    return m_grid->getMotionZone();
}

void CMotionZoneDialog::connect(const DVR& dvr)
{
    m_dvr = dvr;
    QObject::connect(
        m_link.get(), &CHttpConnect::VDataReceived, this, &CMotionZoneDialog::slotDisplayVideo, Qt::DirectConnection);
    QObject::connect(
        m_link.get(), &CHttpConnect::signalConnectionFailed, this, &CMotionZoneDialog::slotConnectionFailed);
    // Without an address there is nothing to stream from.
    if (m_dvr.address().empty()) {
        slotConnectionFailed();
        return;
    }
    CHttpConnect::ConnParam request;
    request.mode = CHttpConnect::LIVE;
    request.skipMode = true;
    request.emapMode = false;
    request.codec = CAppSettings().readSetting(CAppSettings::CODEC_TYPE).toInt() == 1 ? 1 : 0;
    m_link->Connect(m_dvr, request);
}

void CMotionZoneDialog::slotDisplayVideo(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t length)
{
    if (length > MAX_FRAME)
        return;
    const CFrameInfo frame = CFrameInfo::read(info.oldProtocol, data, length);
    // One decoder entry: frames of a channel the dialog did not ask for
    // would break its picture.
    if (!frame.valid || !CChannelNum::isEnabled(static_cast<unsigned>(info.channelMask), frame.channel))
        return;
    const FrameSize size{frame.width, frame.height};
    const unsigned long bytes = m_decoder.DecodeFrame(info.oldProtocol, DECODER_ENTRY, data + frame.dataOffset,
        static_cast<unsigned long>(frame.dataSize), size, frame.type);
    if (bytes == 0 || bytes != static_cast<unsigned long>(size.width) * size.height * 3)
        return;
    CDisplayInfo record;
    // The decoder's buffer takes the next picture at once: the GUI thread
    // gets a copy of its own, queued through the signal.
    record.image = QImage(size.width, size.height, QImage::Format_RGB888);
    if (record.image.isNull())
        return;
    const unsigned char* rgb = m_decoder.GetDecodedRGB(DECODER_ENTRY);
    const std::size_t row = static_cast<std::size_t>(size.width) * 3;
    for (int y = 0; y < size.height; ++y)
        std::memcpy(record.image.scanLine(y), rgb + row * static_cast<std::size_t>(y), row);
    record.channel = frame.channel;
    record.screen = SCREEN;
    record.videoLoss = info.oldProtocol ? frame.videoLoss : CChannelNum::isEnabled(info.videoLossMask, frame.channel);
    record.authority = CChannelNum::isEnabled(static_cast<unsigned>(info.authorityMask), frame.channel);
    record.length = static_cast<uint32_t>(length);
    emit pictureDecoded(record);
}

void CMotionZoneDialog::showPicture(const CDisplayInfo& picture)
{
    m_screen->setInfo(SCREEN, picture);
}

void CMotionZoneDialog::slotConnectionFailed()
{
    CDisplayInfo record;
    record.screen = SCREEN;
    record.status = true;
    record.failure = m_link->displayInfo().failure;
    m_screen->setInfo(SCREEN, record);
}

void CMotionZoneDialog::OnSelection()
{
    m_grid->updateMotionZone(true);
}

void CMotionZoneDialog::OnClear()
{
    m_grid->updateMotionZone(false);
}

void CMotionZoneDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CMotionZoneDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
