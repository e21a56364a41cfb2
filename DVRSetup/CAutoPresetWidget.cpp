#include "DVRSetup/CAutoPresetWidget.h"

#include "Connection/CApplicationSender.h"
#include "Connection/COrderedCommands.h"
#include "DVRSetup/CPresetNames.h"
#include "Settings/CAppSettings.h"
#include "Settings/CPendingSettings.h"
#include "ui_CAutoPresetWidget.h"

#include <QEvent>
#include <algorithm>

namespace {

const int OLD_TOUR_START = 10;
const int OLD_TOUR_STOP = 11;

// A stored list position the list does not hold (the store is a file the
// operator may edit) shows the first entry.
void selectStored(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
}

} // namespace

CAutoPresetWidget::CAutoPresetWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CAutoPresetWidget>())
    // Names the DVR; COrderedCommands sends the commands.
    , m_command(&CApplicationSender::instance())
{
    m_ui->setupUi(this);
    CPresetNames::name(m_ui->StartPreset);
    CPresetNames::name(m_ui->EndPreset);
    for (const char* seconds : {"5", "10", "15", "20", "30", "60"})
        m_ui->Interval->addItem(QLatin1String(seconds));
    connect(m_ui->AutoStart, &QPushButton::clicked, this, &CAutoPresetWidget::OnClickedAutoStart);
    connect(m_ui->AutoEnd, &QPushButton::clicked, this, &CAutoPresetWidget::OnClickedAutoEnd);
    // Only the operator's choices: a channel's tour read into the lists is
    // no choice.
    for (QComboBox* list : {m_ui->StartPreset, m_ui->EndPreset, m_ui->Interval})
        connect(list, &QComboBox::activated, this, &CAutoPresetWidget::keep);
    // Shown before any channel's tour is read: left so, it stores nothing.
    m_stored.setLoaded(shownTour());
    // Another viewer's later tour stands.
    connect(&CPendingSettings::ofApplication(), &CPendingSettings::overtaken, this, [this](const QStringList& keys) {
        if (m_stored.showsAny(keys))
            readSettings();
    });
}

CAutoPresetWidget::~CAutoPresetWidget() = default;

void CAutoPresetWidget::setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry)
{
    m_command.setDVR(dvr, clientId, entry);
    m_ui->tourProblem->follow(entry);
}

void CAutoPresetWidget::clearConnectedDVR()
{
    m_command.clearDVR();
    m_ui->tourProblem->follow(CDirectoryEntry::NONE);
}

void CAutoPresetWidget::setChannel(int channel)
{
    m_channel = channel;
    readSettings();
}

void CAutoPresetWidget::keep()
{
    m_stored.keep(shownTour(), [channel = m_channel] { return tr("the preset tour of channel %1").arg(channel + 1); });
}

QMap<QString, QVariant> CAutoPresetWidget::shownTour() const
{
    return CAppSettings::autoPreset(m_channel, m_ui->StartPreset->currentIndex(), m_ui->EndPreset->currentIndex(),
        m_ui->Interval->currentText().toInt());
}

void CAutoPresetWidget::readSettings()
{
    const CPendingSettings& pending = CPendingSettings::ofApplication();
    const QStringList keys = CAppSettings::autoPresetKeys(m_channel);
    const int start = pending.value(keys.at(0), 0).toInt();
    const int end = pending.value(keys.at(1), 0).toInt();
    const int interval = pending.value(keys.at(2), 0).toInt();
    selectStored(m_ui->StartPreset, start);
    selectStored(m_ui->EndPreset, end);
    selectStored(
        m_ui->Interval, m_ui->Interval->findText(QString::number(interval), Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_stored.setLoaded(shownTour());
}

void CAutoPresetWidget::OnClickedAutoStart()
{
    const int start = m_ui->StartPreset->currentIndex();
    const int end = m_ui->EndPreset->currentIndex();
    const int interval = m_ui->Interval->currentText().toInt();
    cgi::AutoPreset tour;
    tour.set_cmd(cgi::AutoPreset::CMD_START);
    tour.set_channel(static_cast<quint32>(m_channel));
    // The start travels as the list position, the end as the preset number.
    tour.set_start_preset(static_cast<quint32>(start));
    tour.set_end_preset(static_cast<quint32>(end + 1));
    tour.set_interval(static_cast<quint32>(interval));
    send(QStringLiteral("start"), tour,
        QStringLiteral("%1G%2,%3,%4").arg(OLD_TOUR_START).arg(start + 1).arg(end + 1).arg(interval).toLatin1());
}

void CAutoPresetWidget::OnClickedAutoEnd()
{
    cgi::AutoPreset tour;
    tour.set_cmd(cgi::AutoPreset::CMD_STOP);
    tour.set_channel(static_cast<quint32>(m_channel));
    send(QStringLiteral("end"), tour, QByteArray::number(OLD_TOUR_STOP));
}

void CAutoPresetWidget::send(const QString& what, const cgi::AutoPreset& tour, const QByteArray& oldRequest)
{
    if (!m_command.hasDVR())
        return;
    COrderedCommands::Command line;
    line.kind = {COrderedCommands::Kind::Tour, m_channel};
    line.what = QStringLiteral("preset tour %1 on channel %2").arg(what).arg(m_channel + 1);
    line.ending = tour.cmd() == cgi::AutoPreset::CMD_STOP;
    line.query = [tour, oldRequest, channel = m_channel](const DVR& dvr, int clientId) {
        if (dvr.oldprotocol())
            return CLiveCommand::oldQuery(clientId, CLiveCommand::OLD_OP_PTZF, channel, oldRequest);
        return CLiveCommand::newQuery(dvr, cgi::MODE_AUTO_PRESET, tour);
    };
    line.answered = m_ui->tourProblem->teller();
    COrderedCommands::ofApplication().send(m_command.giver(), std::move(line));
}

void CAutoPresetWidget::languageChange()
{
    m_ui->retranslateUi(this);
    CPresetNames::name(m_ui->StartPreset);
    CPresetNames::name(m_ui->EndPreset);
}

void CAutoPresetWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
