#pragma once

#include "Common/CDecodeVideo.h"
#include "Common/DisplayDvrInfo.h"
#include "Display/CDisplayInfo.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QByteArray>
#include <QDialog>
#include <cstddef>
#include <memory>

class CHttpConnect;
class CMotionDetect;
class CScreen;

namespace Ui {
class CMotionZoneDialog;
}

// The motion zone editor: one channel's detection zone drawn cell by cell
// over that channel's live picture. The dialog streams the channel from the
// DVR on a link of its own, decodes it with its own decoder and shows it on
// a one-screen wall, under the zone grid. Until the first picture the screen
// is clear; when the stream fails it shows the connection-failed state, and
// the grid stays usable either way. Destroying the dialog stops the stream.
class CMotionZoneDialog : public QDialog {
    Q_OBJECT

public:
    explicit CMotionZoneDialog(QWidget* parent = nullptr);
    ~CMotionZoneDialog() override;

    // cols cells across and zone.size() / cols rows; before exec(). The row
    // count is not used.
    void setMotionZone(int rows, int cols, const QByteArray& zone);
    // Streams the channels of the record's channel mask (the page asks for
    // one) and shows the first of them.
    void connect(const DVR& dvr);
    QByteArray getMotionZone() const;

    virtual void languageChange();

public slots:
    void OnSelection();
    void OnClear();
    // On the link's thread, for every video frame.
    void slotDisplayVideo(const _DISPLAY_DVR_INFO& info, const unsigned char* data, size_t length);

signals:
    // From the link's thread: a decoded picture, a copy of its own, for the
    // GUI thread to show.
    void pictureDecoded(const CDisplayInfo& picture);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotConnectionFailed();
    void showPicture(const CDisplayInfo& picture);

private:
    std::unique_ptr<Ui::CMotionZoneDialog> m_ui;
    DVR m_dvr;
    std::unique_ptr<CHttpConnect> m_link;
    CDecodeVideo m_decoder;
    std::unique_ptr<CScreen> m_screen;
    // Owned by the wall, over which it lies.
    CMotionDetect* m_grid;
};
