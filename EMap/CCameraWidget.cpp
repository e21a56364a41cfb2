#include "CCameraWidget.h"

#include "Common/CDateTime.h"
#include "EMap/CControlEMapList.h"
#include "EMap/CEMapMessage.h"
#include "EMap/CEMapSettings.h"
#include "EMap/CShowVideoDialog.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTextDocument>
#include <QVBoxLayout>

CCameraWidget::CCameraWidget(QWidget* mapLabel)
    : QWidget(mapLabel)
    , m_imageLabel(new QLabel(this))
    , m_nameLabel(new QLabel(this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_imageLabel);
    layout->addWidget(m_nameLabel);
    // The DVR's camera name as it stands, never read as markup.
    m_nameLabel->setTextFormat(Qt::PlainText);
    const QPixmap camera = CControlEMapList::getCameraPixmap();
    m_imageLabel->setFixedSize(camera.size());
    m_imageLabel->setPixmap(camera);
    adjustSize();
    if (mapLabel)
        placeAt(mapLabel->mapFromGlobal(QCursor::pos()), false);
    m_popdownTimer.setSingleShot(true);
    connect(&m_popdownTimer, &QTimer::timeout, this, &CCameraWidget::closeVideoWidget);
}

CCameraWidget::~CCameraWidget()
{
    // The window's close reaches the map view while this icon is whole.
    if (m_videoDialog && m_videoDialog->isVisible())
        m_videoDialog->close();
}

QString CCameraWidget::channelName(const DVR& dvr, int channel)
{
    if (channel >= 0 && channel < dvr.chname_size())
        return QString::fromStdString(dvr.chname(channel));
    // Widened: a damaged list file may hold any channel number.
    return QStringLiteral("CH%1").arg(qint64(channel) + 1);
}

Qt::GlobalColor CCameraWidget::statusColor(int status)
{
    switch (status) {
    case EMap_Status::DISCONNECTED:
        return Qt::transparent;
    case EMap_Status::VIDEO_LOSS:
        return Qt::black;
    case EMap_Status::MOTION:
        return Qt::green;
    case EMap_Status::SENSOR:
        return Qt::yellow;
    case EMap_Status::MOTION_SENSOR:
        return Qt::magenta;
    default:
        return Qt::blue;
    }
}

void CCameraWidget::setDVR(const DVR& dvr, int camera)
{
    m_dvr = dvr;
    m_camera = camera;
    languageChange();
    m_nameLabel->setText(channelName(m_dvr, m_camera));
    m_nameLabel->setAlignment(Qt::AlignHCenter);
    layout()->setAlignment(m_imageLabel, Qt::AlignHCenter);
    adjustSize();
}

void CCameraWidget::languageChange()
{
    // Names from the list file and the DVR, never read as markup.
    setToolTip(Qt::convertFromPlainText(tr("DVR Name : %1\n").arg(QString::fromStdString(m_dvr.name()))
        + tr("Address : %1\n").arg(QString::fromStdString(m_dvr.address())) + tr("Port : %1\n").arg(m_dvr.port())
        + tr("User : %1\n").arg(QString::fromStdString(m_dvr.id()))
        + tr("Camera : %1\n").arg(channelName(m_dvr, m_camera))));
}

void CCameraWidget::placeAt(const QPoint& point, bool byOperator)
{
    const QWidget* label = parentWidget();
    if (!label)
        return;
    int x = point.x() < 0 ? 0 : std::max(0, point.x() - width() / 2);
    int y = point.y() < 0 ? 0 : std::max(0, point.y() - height() / 2);
    x = std::min(x, label->width() - width() - 1);
    y = std::min(y, label->height() - height() - 1);

    const auto* mapLabel = qobject_cast<const QLabel*>(label);
    const QPixmap image = mapLabel ? mapLabel->pixmap() : QPixmap();
    const QRect imageRect(QPoint(0, 0), image.size());
    if (imageRect.contains(x, y)) {
        move(x, y);
        return;
    }
    if (byOperator) {
        m_pressed = false;
        CEMapMessage::show(tr("Please check the position of the camera."));
    }
    move(imageRect.center());
}

void CCameraWidget::OnCameraStatus(int ch, const QString& strTime, bool recordStatus, EMap_Status::ENUM status)
{
    if (!isVisible() || ch != m_camera)
        return;
    const bool eventStatus
        = status == EMap_Status::MOTION || status == EMap_Status::SENSOR || status == EMap_Status::MOTION_SENSOR;
    if (m_status == 0 && (status == EMap_Status::CONNECTED || eventStatus))
        emit updateLog(strTime, EMap_Status::CONNECTED);
    if (status != m_status) {
        m_color = statusColor(status);
        m_status = status;
        if (status != EMap_Status::CONNECTED) {
            emit updateLog(strTime, status);
            if (eventStatus)
                checkPopup();
        }
        update();
    }
    if (recordStatus != m_record) {
        showRecordMark(recordStatus);
        emit updateLog(strTime, recordStatus ? EMap_Status::RECORD_ON : EMap_Status::RECORD_OFF);
        m_record = recordStatus;
    }
}

void CCameraWidget::showRecordMark(bool record)
{
    m_imageLabel->setPixmap(record ? CControlEMapList::getCameraRecordPixmap() : CControlEMapList::getCameraPixmap());
}

void CCameraWidget::checkPopup()
{
    if (m_videoDialog || CEMapSettings::popup() == 0)
        return;
    setShowVideo(QPoint((width() - 1) / 2, (height() - 1) / 2));
    const int milliseconds = CEMapSettings::popdownMilliseconds();
    if (m_videoDialog && milliseconds > 0)
        m_popdownTimer.start(milliseconds);
}

void CCameraWidget::setShowVideo(const QPoint& point)
{
    if (m_editable || m_videoDialog)
        return;
    emit showVideo();
    if (m_videoDialog)
        return;
    m_videoDialog = new CShowVideoDialog(this);
    m_videoDialog->move(mapToGlobal(point) + QPoint(20, 20));
    connect(m_videoDialog, &CShowVideoDialog::closeVideo, this, &CCameraWidget::OnCloseVideo);
    connect(m_videoDialog, &CShowVideoDialog::closeVideo, this, &CCameraWidget::closeVideo);
    m_videoDialog->show();
}

void CCameraWidget::OnCloseVideo()
{
    m_videoDialog = nullptr;
    // A later window has its own time.
    m_popdownTimer.stop();
}

void CCameraWidget::closeVideoWidget()
{
    if (m_videoDialog && m_videoDialog->isVisible())
        m_videoDialog->close();
}

void CCameraWidget::setDisplayInfo(const CDisplayInfo& info)
{
    if (m_videoDialog)
        m_videoDialog->setDisplayInfo(info);
}

void CCameraWidget::setDisplayTime(unsigned int seconds)
{
    if (seconds <= m_displayTime && m_displayTime != 0)
        return;
    m_displayTime = seconds;
    if (m_videoDialog) {
        m_videoDialog->setWindowTitle(
            CDateTime::convert_Timet_QDateTime(long(seconds)).toString(CDateTime::DISPLAY_TIME_FORMAT));
    }
}

void CCameraWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_editable)
        m_pressed = true;
}

void CCameraWidget::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = false;
}

void CCameraWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_editable)
        setShowVideo(event->position().toPoint());
}

void CCameraWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed && m_editable && parentWidget())
        placeAt(mapToParent(event->position().toPoint()), true);
}

void CCameraWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawRect(m_imageLabel->geometry());
}

void CCameraWidget::moveEvent(QMoveEvent*)
{
    if (m_editable)
        emit updatePosition();
}

void CCameraWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_editable)
        return;
    QMenu menu;
    connect(menu.addAction(tr("Delete")), &QAction::triggered, this, &CCameraWidget::deleteCamera);
    menu.exec(event->globalPos());
}

void CCameraWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
