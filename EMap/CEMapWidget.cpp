#include "CEMapWidget.h"

#include "Common/CDvrIdentity.h"
#include "Connection/CHttpConnect.h"
#include "Display/CDisplayInfo.h"
#include "EMap/CCameraWidget.h"
#include "EMap/CEMapLog.h"
#include "EMap/CEMapMessage.h"
#include "EMap/CEMapSettings.h"
#include "EMap/CEMapStreamPlan.h"
#include "EMap/CEMapStreams.h"
#include "ui_CEMapWidget.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QtDebug>

const QString CEMapWidget::TREE_DRAG_FORMAT = QStringLiteral("application/x-qabstractitemmodeldatalist");

namespace {

const int MIN_WIDTH = 730;
const int MIN_HEIGHT = 490;
const int START_HEIGHT = 550;

} // namespace

CEMapWidget::CEMapWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CEMapWidget>())
    , m_mapLabel(new QLabel(this))
    , m_streams(std::make_unique<CEMapStreams>())
{
    m_ui->setupUi(this);
    setMinimumSize(MIN_WIDTH, MIN_HEIGHT);
    resize(MIN_WIDTH, START_HEIGHT);
    setAttribute(Qt::WA_DeleteOnClose);
    m_mapLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_mapLabel->setBackgroundRole(QPalette::Mid);
    m_mapLabel->setAutoFillBackground(true);
    setAcceptDrops(true);
    connect(m_streams.get(), &CEMapStreams::frameReceived, this, &CEMapWidget::OnDisplayVideo);
    // One delivery per report, handed to the stream's icons of that channel.
    connect(m_streams.get(), &CEMapStreams::cameraStatus, this, &CEMapWidget::OnCameraStatus);
}

CEMapWidget::~CEMapWidget()
{
    // The icons stop talking to this view before its streams and decoder
    // go, and their windows close while what they show still exists.
    for (CCameraWidget* camera : std::as_const(m_cameraWidgets)) {
        disconnect(camera, nullptr, this, nullptr);
        camera->closeVideoWidget();
    }
    m_streams->stop();
    qDeleteAll(m_cameraWidgets);
    m_cameraWidgets.clear();
    m_decoder.deinit();
}

void CEMapWidget::setEditable(bool editable)
{
    m_editable = editable;
}

void CEMapWidget::setCameraItem(const DVR& dvr, int channel)
{
    m_dragDvr = dvr;
    m_dragCamera = channel;
}

void CEMapWidget::setSelectedEMap(const EMap& map)
{
    m_emap = map;
    if (!m_picture.load(QString::fromStdString(map.mapimagepath())))
        CEMapMessage::show(m_picture.refusal());
    updateImageSize();
    removeCameras();

    const CEMapStreamPlan plan = CEMapStreamPlan::build(map);
    for (int k = 0; k < map.items_size(); ++k) {
        const EMapItems& item = map.items(k);
        CCameraWidget* camera = createCamera(item.dvr(), item.channel());
        if (!m_editable)
            camera->setConnectionID(plan.streamOfCamera.value(k, -1));
        m_cameraWidgets.append(camera);
    }
    placeCameras();
    for (CCameraWidget* camera : std::as_const(m_cameraWidgets))
        camera->show();
    if (m_editable)
        return;

    m_streams->open(plan.streams);
    m_streams->start();
    m_decoder.init(static_cast<int>(m_cameraWidgets.size()));
}

CCameraWidget* CEMapWidget::createCamera(const DVR& dvr, int channel)
{
    auto* camera = new CCameraWidget(m_mapLabel);
    connect(camera, &CCameraWidget::updatePosition, this, &CEMapWidget::OnUpdatePosition);
    connect(camera, &CCameraWidget::deleteCamera, this, &CEMapWidget::OnDeleteCamera);
    connect(camera, &CCameraWidget::showVideo, this, &CEMapWidget::OnShowVideo);
    connect(camera, &CCameraWidget::closeVideo, this, &CEMapWidget::OnCloseVideo);
    connect(camera, &CCameraWidget::updateLog, this, &CEMapWidget::OnUpdateLog);
    camera->setEditable(m_editable);
    camera->setDVR(dvr, channel);
    return camera;
}

void CEMapWidget::removeCameras()
{
    for (CCameraWidget* camera : std::as_const(m_cameraWidgets)) {
        // Its window's close is heard while the icon is still listed.
        camera->closeVideoWidget();
        disconnect(camera, nullptr, this, nullptr);
        camera->close();
    }
    m_cameraWidgets.clear();
}

void CEMapWidget::placeCameras()
{
    for (int k = 0; k < m_cameraWidgets.size() && k < m_emap.items_size(); ++k)
        m_cameraWidgets[k]->move(m_emap.items(k).posx(), m_emap.items(k).posy());
}

QSize CEMapWidget::adjustTarget() const
{
    return parentWidget() ? parentWidget()->size() : size();
}

void CEMapWidget::updateImageSize()
{
    if (m_scrollArea) {
        m_scrollArea->takeWidget();
        m_mapLabel->setParent(this);
        delete m_scrollArea;
        m_scrollArea = nullptr;
    }
    delete layout();
    auto* box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    m_imageSize = CEMapSettings::imageSize();
    m_shownSize = QSize();
    if (m_imageSize == CEMapSettings::ADJUST) {
        m_mapLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        box->addWidget(m_mapLabel);
        m_mapLabel->resize(adjustTarget());
    } else {
        m_mapLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_scrollArea = new QScrollArea(this);
        m_scrollArea->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        m_scrollArea->setWidgetResizable(true);
        m_scrollArea->setWidget(m_mapLabel);
        box->addWidget(m_scrollArea);
        m_mapLabel->resize(m_picture.original().size());
    }
    m_mapLabel->show();
    showImage();
    placeCameras();
}

void CEMapWidget::showImage()
{
    const QSize target = m_imageSize == CEMapSettings::ADJUST ? adjustTarget() : m_picture.original().size();
    if (target == m_shownSize)
        return;
    m_shownSize = target;
    m_mapLabel->setPixmap(m_imageSize == CEMapSettings::ADJUST ? m_picture.scaled(target) : m_picture.original());
}

void CEMapWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showImage();
    placeCameras();
}

void CEMapWidget::closeVideoWidget()
{
    for (CCameraWidget* camera : std::as_const(m_cameraWidgets))
        camera->closeVideoWidget();
}

int CEMapWidget::cameraIndex(QObject* camera) const
{
    for (int k = 0; k < m_cameraWidgets.size(); ++k) {
        if (m_cameraWidgets[k] == camera)
            return k;
    }
    return -1;
}

void CEMapWidget::OnUpdatePosition()
{
    const int k = cameraIndex(sender());
    if (k < 0 || k >= m_emap.items_size())
        return;
    const CCameraWidget* camera = m_cameraWidgets[k];
    EMapItems* item = m_emap.mutable_items(k);
    // A move that changes nothing (the view laying its icons out) stores nothing.
    if (item->posx() == camera->x() && item->posy() == camera->y())
        return;
    item->set_posx(camera->x());
    item->set_posy(camera->y());
    emit signalSaveEMap(m_emap);
}

void CEMapWidget::OnDeleteCamera()
{
    const int k = cameraIndex(sender());
    if (k >= 0) {
        CCameraWidget* camera = m_cameraWidgets[k];
        camera->closeVideoWidget();
        if (k < m_emap.items_size())
            m_emap.mutable_items()->DeleteSubrange(k, 1);
        m_cameraWidgets.removeAt(k);
        disconnect(camera, nullptr, this, nullptr);
        camera->close();
    }
    emit signalSaveEMap(m_emap);
}

void CEMapWidget::OnDeleteAll()
{
    removeCameras();
    m_emap.clear_items();
    emit signalSaveEMap(m_emap);
}

void CEMapWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_editable)
        return;
    QMenu menu;
    connect(menu.addAction(tr("Delete All")), &QAction::triggered, this, &CEMapWidget::OnDeleteAll);
    menu.exec(event->globalPos());
}

void CEMapWidget::OnShowVideo()
{
    const int k = cameraIndex(sender());
    if (k < 0)
        return;
    const CCameraWidget* camera = m_cameraWidgets[k];
    m_streams->openVideo(camera->getConnectionID(), camera->getDVR(), camera->getCameraIndex());
    m_decoder.restart(k);
}

void CEMapWidget::OnCloseVideo()
{
    const int k = cameraIndex(sender());
    if (k < 0)
        return;
    const CCameraWidget* camera = m_cameraWidgets[k];
    m_streams->closeVideo(camera->getConnectionID(), camera->getDVR(), camera->getCameraIndex());
    m_decoder.restart(k);
}

void CEMapWidget::OnUpdateLog(const QString& strTime, EMap_Status::ENUM status)
{
    const int k = cameraIndex(sender());
    if (k < 0)
        return;
    const DVR& dvr = m_cameraWidgets[k]->getDVR();
    const QString line = CEMapLog::line(strTime, QString::fromStdString(dvr.name()),
        CCameraWidget::channelName(dvr, m_cameraWidgets[k]->getCameraIndex()), status);
    if (!line.isEmpty())
        emit updateLog(line);
}

void CEMapWidget::OnCameraStatus(int stream, int channel, const QString& time, bool record, EMap_Status::ENUM status)
{
    for (CCameraWidget* camera : std::as_const(m_cameraWidgets)) {
        if (camera->getConnectionID() == stream && camera->getCameraIndex() == channel)
            camera->OnCameraStatus(channel, time, record, status);
    }
}

void CEMapWidget::OnDisplayVideo(int stream, const DISPLAY_DVR_INFO& info, const QByteArray& frame)
{
    // The hidden views of a map group do no decoding.
    if (!isVisible())
        return;
    const CFrameInfo header = CFrameInfo::read(info.oldProtocol, frame);
    if (!header.valid)
        return;
    int k = 0;
    while (k < m_cameraWidgets.size()
        && (m_cameraWidgets[k]->getConnectionID() != stream || m_cameraWidgets[k]->getCameraIndex() != header.channel))
        ++k;
    if (k == m_cameraWidgets.size())
        return;
    if (!(m_streams->openChannels(stream) & (1u << header.channel))) {
        m_decoder.restart(k);
        return;
    }
    CDisplayInfo picture;
    if (!m_decoder.decode(k, info, frame, header, &picture))
        return;
    CCameraWidget* camera = m_cameraWidgets[k];
    picture.name = QString::fromStdString(camera->getDVR().name());
    picture.title = CCameraWidget::channelName(camera->getDVR(), camera->getCameraIndex());
    camera->setDisplayInfo(picture);
    if (header.type == CFrameInfo::TYPE_KEY)
        camera->setDisplayTime(static_cast<unsigned int>(header.time.sec));
}

bool CEMapWidget::isTreeDrag(const QMimeData* data)
{
    return data && data->hasFormat(TREE_DRAG_FORMAT);
}

bool CEMapWidget::isCameraOnMap(const DVR& dvr, int channel) const
{
    for (const CCameraWidget* camera : m_cameraWidgets) {
        const DVR& placed = camera->getDVR();
        if (CDvrIdentity::same(placed, dvr) && camera->getCameraIndex() == channel)
            return true;
    }
    return false;
}

void CEMapWidget::acceptTreeDrag(QDragMoveEvent* event)
{
    if (isTreeDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CEMapWidget::dragEnterEvent(QDragEnterEvent* event)
{
    qDebug("EMap Widget dragEnter");
    acceptTreeDrag(event);
}

void CEMapWidget::dragMoveEvent(QDragMoveEvent* event)
{
    qDebug("EMap Widget dragMove");
    acceptTreeDrag(event);
}

void CEMapWidget::dragLeaveEvent(QDragLeaveEvent*)
{
    qDebug("EMap Widget dragLeave");
}

void CEMapWidget::dropEvent(QDropEvent* event)
{
    // Only a camera of the DVR tree is placed: a file or a text places nothing.
    if (!isTreeDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (m_dragDvr.address().empty()) {
        CEMapMessage::show(tr("Please confirm the dvr information."));
        return;
    }
    if (isCameraOnMap(m_dragDvr, m_dragCamera)) {
        CEMapMessage::show(tr("The camera is in the emap."));
        return;
    }

    CCameraWidget* camera = createCamera(m_dragDvr, m_dragCamera);
    camera->placeAt(m_mapLabel->mapFrom(this, event->position().toPoint()), true);
    EMapItems* item = m_emap.add_items();
    *item->mutable_dvr() = m_dragDvr;
    item->set_channel(m_dragCamera);
    item->set_posx(camera->x());
    item->set_posy(camera->y());
    m_cameraWidgets.append(camera);
    camera->show();
    emit signalSaveEMap(m_emap);
    qDebug("EMap Widget dropEvent dvrname = %s, ch = %s", m_dragDvr.name().c_str(),
        qPrintable(CCameraWidget::channelName(m_dragDvr, m_dragCamera)));
}

void CEMapWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CEMapWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
