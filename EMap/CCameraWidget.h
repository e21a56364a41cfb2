#pragma once

#include "Connection/EMapStatus.h"
#include "EMap/CShowVideoDialog.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class CDisplayInfo;
class QLabel;

// The icon of one camera on a map: the camera picture over a patch of its
// state colour, with the channel name below and the DVR in the tooltip. A
// child of the map label; positions are that label's pixels. In edit mode
// it is dragged and deleted; in view mode it turns its DVR stream's reports
// into colour, record mark and log events, and opens its video window on a
// double click or, when pop-ups are on, on motion and sensor events.
class CCameraWidget : public QWidget {
    Q_OBJECT

public:
    // Placed quietly under the pointer; the map view then moves it.
    explicit CCameraWidget(QWidget* mapLabel);
    ~CCameraWidget() override;

    void setDVR(const DVR& dvr, int camera);
    const DVR& getDVR() const { return m_dvr; }
    int getCameraIndex() const { return m_camera; }
    void setEditable(bool editable) { m_editable = editable; }
    void setConnectionID(int id) { m_connectionId = id; }
    int getConnectionID() const { return m_connectionId; }

    // Centred on a point of the map label, kept inside it and on the map
    // image; a placement off the image goes to the image's centre, and
    // when the operator placed it, says so.
    void placeAt(const QPoint& point, bool byOperator);

    // Opens the video window near a point of the icon (view mode, when none
    // is open).
    void setShowVideo(const QPoint& point);
    void checkPopup();
    void setDisplayInfo(const CDisplayInfo& info);
    void setDisplayTime(unsigned int seconds);
    bool isEnableVideoWidget() const { return !m_videoDialog.isNull(); }

    // What the icon shows, for tests.
    Qt::GlobalColor statusColor() const { return m_color; }
    bool showsRecording() const { return m_record; }
    CShowVideoDialog* videoDialog() const { return m_videoDialog; }
    const QTimer& popdownTimer() const { return m_popdownTimer; }

    // The name of a DVR's channel; "CH" and the 1-based number when the
    // record holds none.
    static QString channelName(const DVR& dvr, int channel);
    static Qt::GlobalColor statusColor(int status);

public slots:
    void OnCameraStatus(int ch, const QString& strTime, bool recordStatus, EMap_Status::ENUM status);
    void OnCloseVideo();
    void closeVideoWidget();

signals:
    void updatePosition();
    void deleteCamera();
    void showVideo();
    void closeVideo();
    void updateLog(const QString& strTime, EMap_Status::ENUM status);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void languageChange();
    void showRecordMark(bool record);

    bool m_pressed = false;
    DVR m_dvr;
    int m_camera = -1;
    QLabel* m_imageLabel;
    QLabel* m_nameLabel;
    bool m_editable = false;
    int m_connectionId = -1;
    int m_status = 0;
    bool m_record = false;
    Qt::GlobalColor m_color = Qt::transparent;
    QPointer<CShowVideoDialog> m_videoDialog;
    unsigned int m_displayTime = 0;
    QTimer m_popdownTimer;
};
