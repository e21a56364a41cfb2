#include "CViewerCommands.h"

#include "Connection/CConnectDVR.h"
#include "Connection/CStreamQuery.h"
#include "DVRSetup/CLiveCommand.h"

#include <iterator>

CViewerCommands::CViewerCommands(CSendCommand* sender)
    : m_sender(sender)
{
}

void CViewerCommands::selectChannels(CConnectDVR& controller, quint32 channels, cgi::AutoStream autoStream)
{
    controller.setRequestedChannels(channels);
    CLiveCommand command(controller.getDVR(), controller.getClientID(), m_sender);
    if (command.isOldProtocol()) {
        const QByteArray mask = QByteArray::number(channels, 16);
        for (const int stream : {0, CStreamQuery::AUDIO_CLIENT_ID_OFFSET})
            command.sendOld(command.oldCommand(OLD_OP_CHANNELS, stream).addPlain("CH", mask));
        return;
    }
    cgi::StreamChannel selection;
    selection.set_mode(controller.IsLive() ? cgi::MODE_LIVE : cgi::MODE_PLAYBACK);
    selection.set_stream_id(static_cast<quint32>(controller.getClientID()));
    selection.set_vchmask(channels);
    selection.set_achmask(channels);
    if (autoStream != cgi::AUTO_STREAM_NONE)
        selection.set_auto_stream(autoStream);
    command.sendNew(cgi::MODE_STREAM_CHANNEL, selection);
}

void CViewerCommands::recordOnDvr(const CConnectDVR& controller)
{
    CLiveCommand command(controller.getDVR(), controller.getClientID(), m_sender);
    if (command.isOldProtocol())
        command.sendOld(command.oldCommand(OLD_OP_RECORD));
    else
        command.sendNew(cgi::MODE_RECORD, cgi::NullMsg());
}

void CViewerCommands::playbackControl(const CConnectDVR& controller, cgi::PbControl::Cmd cmd)
{
    CLiveCommand command(controller.getDVR(), controller.getClientID(), m_sender);
    if (command.isOldProtocol()) {
        command.sendOld(OLD_OP_PLAYBACK, QByteArray::number(oldPlaybackRequest(cmd)));
        return;
    }
    cgi::PbControl control;
    control.set_stream_id(static_cast<quint32>(controller.getClientID()));
    control.set_cmd(cmd);
    command.sendNew(cgi::MODE_PB_CONTROL, control);
}

int CViewerCommands::oldPlaybackRequest(int cmd)
{
    // By command: forward, reverse, pause, stop, step back, step forward,
    // slower, faster.
    static const int REQUESTS[] = {4, 6, 5, 1, 8, 7, 2, 3};
    const int STOP = 1;
    return cmd >= 0 && cmd < int(std::size(REQUESTS)) ? REQUESTS[cmd] : STOP;
}
