#pragma once

#include "Common/COldQuery.h"
#include "Connection/COrderedCommands.h"
#include "Connection/CSendCommand.h"
#include "ProtoBuf/DVRList.pb.h"
#include "dvr_protocol/cgi_request.pb.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace google::protobuf {
class MessageLite;
}

// The command channel to one DVR: the DVR, the directory entry it was
// chosen by, the client id of its streaming connection and a command sender
// (its own, or one it is lent). It speaks whichever dialect the caller
// chooses; a query the DVR could not take is never sent, nor is anything
// while it names no DVR. The live control pages own one each; the main
// window makes one per command on its own sender.
class CLiveCommand {
public:
    // The old dialect's command mode, under which every page sends its OP.
    static constexpr int OLD_COMMAND_MODE = 5;
    // Old-dialect operations: PTZ and preset tours, relay outputs.
    static constexpr int OLD_OP_PTZF = 7;
    static constexpr int OLD_OP_RELAY = 20;

    // Sends through its own sender, or through the one given, which must
    // outlive it.
    explicit CLiveCommand(CSendCommand* sender = nullptr);
    CLiveCommand(const DVR& dvr, int clientId, CSendCommand* sender);
    ~CLiveCommand();

    void setDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry = CDirectoryEntry::NONE);
    // Names no DVR: what is sent from now on goes nowhere.
    void clearDVR();
    bool hasDVR() const { return m_hasDvr; }
    // The same DVR (CDvrIdentity), whatever its stream.
    bool isSameDVR(const DVR& dvr) const;
    const DVR& dvr() const { return m_dvr; }
    int clientId() const { return m_clientId; }
    CDirectoryEntry::Id entry() const { return m_entry; }
    // Who gives the commands that go through the DVR's line.
    COrderedCommands::Giver giver() const { return {m_entry, m_dvr, m_clientId}; }
    bool isOldProtocol() const { return m_dvr.oldprotocol(); }

    // "MODE=%d&USER=%s&DATA=%s" with the DVR's user; empty when the DVR
    // could not take it.
    static QString newQuery(const DVR& dvr, cgi::Mode mode, const google::protobuf::MessageLite& message);
    QString newQuery(cgi::Mode mode, const google::protobuf::MessageLite& message) const;
    void sendNew(cgi::Mode mode, const google::protobuf::MessageLite& message);
    // "MODE=5&CID=%d&OP=%d&CH=%d&LEN=%d&REQ=%s" naming the stream of that
    // client id, without CH when no channel is given; the REQ text as it
    // stands. Empty when the DVR could not take it.
    static QString oldQuery(int clientId, int op, std::optional<int> channel, const QByteArray& request);
    QString oldQuery(int op, std::optional<int> channel, const QByteArray& request) const;
    // Sends that query without CH, for commands that name no channel.
    void sendOld(int op, const QByteArray& request);
    // "MODE=5&CID=%d&OP=%d" naming the stream clientId + streamOffset (the
    // audio link's is the video link's + 100), for the caller to complete.
    COldQuery oldCommand(int op, int streamOffset = 0) const;
    void sendOld(const COldQuery& query);
    // Sends a query built for this DVR. False, with nothing sent, while it
    // names no DVR or for an empty query; `answered` as the sender's.
    bool send(const QString& query, CSendCommand::Answered answered = {});

private:
    static QString checked(const COldQuery& query);

    DVR m_dvr;
    int m_clientId = 0;
    CDirectoryEntry::Id m_entry = CDirectoryEntry::NONE;
    bool m_hasDvr = false;
    std::unique_ptr<CSendCommand> m_ownSender;
    CSendCommand* m_sender;
};
