#include "DVRSetup/CRemotePortWiget.h"

#include "ui_CRemotePortWiget.h"

#include <QEvent>

const QRegularExpression CRemotePortWiget::AUX_BUTTON_REGEX(QStringLiteral("RP([On|Off]+)([0-9])"));
const QRegularExpression CRemotePortWiget::AUX_AUTO_BUTTON_REGEX(QStringLiteral("RP([Auto]+)([0-9])"));

CRemotePortWiget::CRemotePortWiget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CRemotePortWiget>())
    , m_switchOffs(&m_sender, [](CLiveCommand& command, unsigned relay) { send(command, relay, false); })
{
    m_ui->setupUi(this);
    for (QPushButton* button : findChildren<QPushButton*>(AUX_BUTTON_REGEX))
        connect(button, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedRP);
    m_autoButtons.append(m_ui->RPAuto0);
    connect(m_ui->RPAuto0, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedAutoRP);
    for (QPushButton* button : findChildren<QPushButton*>(QRegularExpression(QStringLiteral("AutoOff([0-9])"))))
        connect(button, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedOffSecond);
    connect(&m_switchOffs, &CRelaySwitchOffs::switchedOff, this, &CRemotePortWiget::showAutoStates);
}

CRemotePortWiget::~CRemotePortWiget() = default;

void CRemotePortWiget::setConnectedDVR(const DVR& dvr, int clientId)
{
    m_command.setDVR(dvr, clientId);
    showAutoStates();
}

void CRemotePortWiget::clearConnectedDVR()
{
    m_command.clearDVR();
    showAutoStates();
}

void CRemotePortWiget::showAutoStates()
{
    for (int relay = 0; relay < m_autoButtons.size(); ++relay)
        m_autoButtons.at(relay)->setChecked(m_switchOffs.isPending(m_command, static_cast<unsigned>(relay)));
}

void CRemotePortWiget::setSecondLength(int milliseconds)
{
    m_secondMs = milliseconds;
}

void CRemotePortWiget::sendCommand(unsigned int relay, bool on)
{
    send(m_command, relay, on);
}

void CRemotePortWiget::send(CLiveCommand& command, unsigned int relay, bool on)
{
    if (command.isOldProtocol()) {
        command.sendOld(CLiveCommand::OLD_OP_RELAY, QStringLiteral("%1,%2").arg(relay).arg(on ? 1 : 0).toLatin1());
        return;
    }
    // The message names no relay: a DVR has one.
    cgi::RelayPort port;
    port.set_cmd(on ? cgi::RelayPort::CMD_ON : cgi::RelayPort::CMD_OFF);
    command.sendNew(cgi::MODE_RELAY_PORT, port);
}

void CRemotePortWiget::OnClickedRP()
{
    const QRegularExpressionMatch match = AUX_BUTTON_REGEX.match(sender()->objectName());
    const int relay = match.captured(2).toInt();
    const QString action = match.captured(1);
    if (!match.hasMatch() || relay >= m_autoButtons.size()
        || (action != QLatin1String("On") && action != QLatin1String("Off")))
        return;
    m_switchOffs.cancel(m_command, static_cast<unsigned>(relay));
    m_autoButtons.at(relay)->setChecked(false);
    sendCommand(static_cast<unsigned>(relay), action == QLatin1String("On"));
}

void CRemotePortWiget::OnClickedAutoRP()
{
    const QRegularExpressionMatch match = AUX_AUTO_BUTTON_REGEX.match(sender()->objectName());
    const int relay = match.captured(2).toInt();
    if (!match.hasMatch() || relay >= m_autoButtons.size())
        return;
    QPushButton* autoButton = m_autoButtons.at(relay);
    // Without a DVR nothing is switched, so nothing is pending either.
    if (!m_command.hasDVR()) {
        autoButton->setChecked(false);
        return;
    }
    m_switchOffs.cancel(m_command, static_cast<unsigned>(relay));
    sendCommand(static_cast<unsigned>(relay), true);
    // Unchecked by this click: the relay stays on without a switch-off.
    if (autoButton->isChecked())
        m_switchOffs.arm(m_command, static_cast<unsigned>(relay), m_autoOffSeconds * m_secondMs);
}

void CRemotePortWiget::OnClickedOffSecond()
{
    // A running switch-off keeps its time; this one applies at the next start.
    m_autoOffSeconds = qobject_cast<QPushButton*>(sender())->text().toInt();
}

void CRemotePortWiget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CRemotePortWiget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
