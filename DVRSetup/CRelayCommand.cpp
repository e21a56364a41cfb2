#include "DVRSetup/CRelayCommand.h"

#include "DVRSetup/CLiveCommand.h"
#include "dvr_protocol/cgi_request.pb.h"

QString CRelayCommand::query(const DVR& dvr, int clientId, unsigned relay, bool on)
{
    if (dvr.oldprotocol()) {
        return CLiveCommand::oldQuery(clientId, CLiveCommand::OLD_OP_RELAY, std::nullopt,
            QStringLiteral("%1,%2").arg(relay).arg(on ? 1 : 0).toLatin1());
    }
    // The message names no relay: a DVR has one.
    cgi::RelayPort port;
    port.set_cmd(on ? cgi::RelayPort::CMD_ON : cgi::RelayPort::CMD_OFF);
    return CLiveCommand::newQuery(dvr, cgi::MODE_RELAY_PORT, port);
}
