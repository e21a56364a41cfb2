#pragma once

#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class CSendCommand;

namespace google::protobuf {
class MessageLite;
}

// The command channel of one live control page: the current DVR, the client
// id of its streaming connection and the page's own command sender. It
// speaks whichever dialect the page chooses; a query the DVR could not take
// is never sent.
class CLiveCommand {
public:
    // The old dialect's command mode, under which every page sends its OP.
    static constexpr int OLD_COMMAND_MODE = 5;
    // Old-dialect operations: PTZ and preset tours, relay outputs.
    static constexpr int OLD_OP_PTZF = 7;
    static constexpr int OLD_OP_RELAY = 20;

    CLiveCommand();
    ~CLiveCommand();

    void setDVR(const DVR& dvr, int clientId);
    const DVR& dvr() const { return m_dvr; }
    bool isOldProtocol() const { return m_dvr.oldprotocol(); }

    // "MODE=%d&USER=%s&DATA=%s" with the DVR's user; empty when the DVR
    // could not take it.
    QString newQuery(cgi::Mode mode, const google::protobuf::MessageLite& message) const;
    void sendNew(cgi::Mode mode, const google::protobuf::MessageLite& message);
    // "MODE=5&CID=%d&OP=%d&CH=%d&LEN=%d&REQ=%s"; the REQ text as it stands.
    void sendOld(int op, int channel, const QByteArray& request);
    // The same without CH, for commands that name no channel.
    void sendOld(int op, const QByteArray& request);

private:
    void sendOldQuery(int op, std::optional<int> channel, const QByteArray& request);

    DVR m_dvr;
    int m_clientId = 0;
    std::unique_ptr<CSendCommand> m_sender;
};
