#pragma once

#include "Common/DisplayDvrInfo.h"
#include "Connection/EMapStatus.h"
#include "EMap/CEMapDecoder.h"
#include "EMap/CEMapPicture.h"
#include "ProtoBuf/DVRList.pb.h"
#include "ProtoBuf/EMapList.pb.h"

#include <QList>
#include <QWidget>
#include <memory>

class CCameraWidget;
class CEMapStreams;
class QLabel;
class QDragMoveEvent;
class QMimeData;
class QScrollArea;
namespace Ui {
class CEMapWidget;
}

// One open map in the main window's display area: the map image with its
// camera icons, in one of two modes fixed before the map is shown. Edit
// mode: cameras are dropped from the DVR tree, moved and deleted, and every
// change hands the whole map out by signalSaveEMap. View mode: one E-Map
// stream per DVR of the map drives the icons and the map's event log, and
// the channel of an open video window gets full video, decoded here.
// Deletes itself when closed.
class CEMapWidget : public QWidget {
    Q_OBJECT

public:
    // The drag data of an item view, which the DVR tree's camera drag carries.
    static const QString TREE_DRAG_FORMAT;

    explicit CEMapWidget(QWidget* parent = nullptr);
    ~CEMapWidget() override;

    // Set once, before the map is shown.
    void setEditable(bool editable);
    void updateImageSize();
    void closeVideoWidget();
    virtual void languageChange();

    // What the view holds, for tests.
    const EMap& map() const { return m_emap; }
    const QList<CCameraWidget*>& cameras() const { return m_cameraWidgets; }
    QLabel* mapLabel() const { return m_mapLabel; }
    CEMapStreams* streams() const { return m_streams.get(); }

public slots:
    void setSelectedEMap(const EMap& map);
    // The camera being dragged out of the DVR tree.
    void setCameraItem(const DVR& dvr, int channel);

signals:
    void signalSaveEMap(const EMap& map);
    void updateLog(const QString& line);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void OnUpdatePosition();
    void OnDeleteCamera();
    void OnShowVideo();
    void OnCloseVideo();
    void OnUpdateLog(const QString& strTime, EMap_Status::ENUM status);
    void OnDeleteAll();
    void OnDisplayVideo(int stream, const DISPLAY_DVR_INFO& info, const QByteArray& frame);
    void OnCameraStatus(int stream, int channel, const QString& time, bool record, EMap_Status::ENUM status);

private:
    CCameraWidget* createCamera(const DVR& dvr, int channel);
    void removeCameras();
    void placeCameras();
    void showImage();
    QSize adjustTarget() const;
    int cameraIndex(QObject* camera) const;
    bool isCameraOnMap(const DVR& dvr, int channel) const;
    static bool isTreeDrag(const QMimeData* data);
    // Entering and moving over the view take the DVR tree's drags alone.
    static void acceptTreeDrag(QDragMoveEvent* event);

    std::unique_ptr<Ui::CEMapWidget> m_ui;
    QLabel* m_mapLabel;
    QScrollArea* m_scrollArea = nullptr;
    DVR m_dragDvr;
    int m_dragCamera = 0;
    QList<CCameraWidget*> m_cameraWidgets;
    std::unique_ptr<CEMapStreams> m_streams;
    EMap m_emap;
    bool m_editable = false;
    CEMapDecoder m_decoder;
    CEMapPicture m_picture;
    int m_imageSize = -1;
    QSize m_shownSize;
};
