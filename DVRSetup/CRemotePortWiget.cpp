#include "DVRSetup/CRemotePortWiget.h"

#include "Connection/CApplicationSender.h"
#include "DVRSetup/CRelaySwitches.h"
#include "ui_CRemotePortWiget.h"

#include <QEvent>

const QRegularExpression CRemotePortWiget::AUX_BUTTON_REGEX(QStringLiteral("RP([On|Off]+)([0-9])"));
const QRegularExpression CRemotePortWiget::AUX_AUTO_BUTTON_REGEX(QStringLiteral("RP([Auto]+)([0-9])"));

CRemotePortWiget::CRemotePortWiget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CRemotePortWiget>())
    , m_command(&CApplicationSender::instance())
{
    m_ui->setupUi(this);
    for (QPushButton* button : findChildren<QPushButton*>(AUX_BUTTON_REGEX))
        connect(button, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedRP);
    m_autoButtons.append(m_ui->RPAuto0);
    connect(m_ui->RPAuto0, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedAutoRP);
    for (QPushButton* button : findChildren<QPushButton*>(QRegularExpression(QStringLiteral("AutoOff([0-9])"))))
        connect(button, &QPushButton::clicked, this, &CRemotePortWiget::OnClickedOffSecond);
    connect(&CRelaySwitches::ofApplication(), &CRelaySwitches::changed, this, &CRemotePortWiget::showRelayStates);
}

CRemotePortWiget::~CRemotePortWiget() = default;

void CRemotePortWiget::setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry)
{
    m_command.setDVR(dvr, clientId, entry);
    m_shown = dvr;
    m_shownEntry = entry;
    showRelayStates();
}

void CRemotePortWiget::clearConnectedDVR(const std::optional<DVR>& named, CDirectoryEntry::Id entry)
{
    m_command.clearDVR();
    m_shown = named;
    m_shownEntry = entry;
    showRelayStates();
}

void CRemotePortWiget::showRelayStates()
{
    const CRelaySwitches& switches = CRelaySwitches::ofApplication();
    QList<CCommandAnswer> problems;
    for (int relay = 0; relay < m_autoButtons.size(); ++relay) {
        const auto number = static_cast<unsigned>(relay);
        m_autoButtons.at(relay)->setChecked(m_shown && switches.isPending(*m_shown, number));
        if (m_shown)
            problems << switches.problems(*m_shown, m_shownEntry, number);
    }
    m_ui->relayProblem->tell(problems);
}

void CRemotePortWiget::setSecondLength(int milliseconds)
{
    m_secondMs = milliseconds;
}

void CRemotePortWiget::OnClickedRP()
{
    const QRegularExpressionMatch match = AUX_BUTTON_REGEX.match(sender()->objectName());
    const int relay = match.captured(2).toInt();
    const QString action = match.captured(1);
    if (!match.hasMatch() || relay >= m_autoButtons.size()
        || (action != QLatin1String("On") && action != QLatin1String("Off")))
        return;
    CRelaySwitches::ofApplication().switchNow(m_command, static_cast<unsigned>(relay), action == QLatin1String("On"));
    showRelayStates();
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
    CRelaySwitches& switches = CRelaySwitches::ofApplication();
    // Unchecked by this click: the relay stays on without a switch-off.
    if (autoButton->isChecked())
        switches.switchOnFor(m_command, static_cast<unsigned>(relay), m_autoOffSeconds * m_secondMs);
    else
        switches.switchNow(m_command, static_cast<unsigned>(relay), true);
    showRelayStates();
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
