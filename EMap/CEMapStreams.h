#pragma once

#include "Common/DisplayDvrInfo.h"
#include "Connection/EMapStatus.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class CHttpConnect;
class CSendCommand;
namespace cgi {
class DvrInfo;
}

// The live side of a map view: one E-Map stream per DVR of the map, and
// the channels of each stream whose video window is open. A channel joins
// or leaves a stream's full video by a request that names the stream, so
// it waits for the DVR to give the stream its id; the open channels are
// asked for again whenever a stream gets a new id (a restarted link).
class CEMapStreams : public QObject {
    Q_OBJECT

public:
    explicit CEMapStreams(QObject* parent = nullptr);
    // Stops every stream.
    ~CEMapStreams() override;

    // Makes the links, one per request; start() starts them, so that their
    // receivers can be connected first.
    void open(const QList<DVR>& requests);
    void start();
    // Disconnects every receiver and stops every link (each tells its DVR).
    void stop();

    int count() const { return static_cast<int>(m_streams.size()); }
    CHttpConnect* link(int stream) const;
    // Channels of a stream whose video window is open.
    quint32 openChannels(int stream) const;

    // A camera's window opened or closed: its channel of the stream gets
    // full video or headers only. The camera's own DVR record is the one
    // the request speaks for.
    void openVideo(int stream, const DVR& camera, int channel);
    void closeVideo(int stream, const DVR& camera, int channel);

signals:
    void frameReceived(int stream, const DISPLAY_DVR_INFO& info, const QByteArray& frame);
    // A stream's report of one channel's state, with every frame.
    void cameraStatus(int stream, int channel, const QString& time, bool record, EMap_Status::ENUM status);

private slots:
    void onFrame(const DISPLAY_DVR_INFO& info, const QByteArray& frame);
    void onStatus(int channel, const QString& time, bool record, EMap_Status::ENUM status);
    void onConnected(const cgi::DvrInfo& info, int clientId);

private:
    struct Stream {
        CHttpConnect* link = nullptr;
        DVR request;
        // The record the last channel request spoke for.
        DVR camera;
        quint32 openChannels = 0;
    };

    int indexOf(QObject* link) const;
    void changeChannels(int stream, const DVR& camera, quint32 openChannels);
    void sendChannels(const Stream& stream, int clientId);

    QList<Stream> m_streams;
    CSendCommand* m_sendCommand;
};
