#include "CSetupEtc.h"

#include "Common/COldQuery.h"
#include "Connection/CSendCommand.h"
#include "DVRSetup/CSetupQuery.h"
#include "DVRSetup/CSetupWidget.h"
#include "ui_CSetupEtc.h"

#include <QDateTime>
#include <QEvent>

namespace {

constexpr int OLD_MODE_COMMAND = 5;
constexpr int OLD_OP_RESET = 18;
constexpr int OLD_OP_TIME = 19;

} // namespace

CSetupEtc::CSetupEtc(CSetupWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupEtc>())
    , m_command(std::make_unique<CSendCommand>())
{
    m_ui->setupUi(this);
    // The DVR counts its clock in unsigned 32-bit seconds since 1970.
    m_ui->dateEdit->setDateRange(QDate(1970, 1, 1), QDate(2105, 12, 31));
    connect(m_ui->set, &QPushButton::clicked, this, &CSetupEtc::SetCurrentTime);
    connect(m_ui->apply, &QPushButton::clicked, this, &CSetupEtc::ApplyTime);
    connect(m_ui->close, &QPushButton::clicked, parent, &CSetupWidget::OnCloseDateTime);
}

CSetupEtc::~CSetupEtc() = default;

void CSetupEtc::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    m_target.Clear();
    InitConf();
}

void CSetupEtc::InitConf()
{
    SetConf(config::System());
}

void CSetupEtc::SetConf(const config::System& system)
{
    m_system = system;
    switch (m_system.time_date().date_format()) {
    case config::System_TimeDate::DATE_FORMAT_YYYYMMDD:
        m_ui->dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        break;
    case config::System_TimeDate::DATE_FORMAT_DDMMYYYY:
        m_ui->dateEdit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
        break;
    default:
        m_ui->dateEdit->setDisplayFormat(QStringLiteral("MM-dd-yyyy"));
        break;
    }
    const bool twelveHours = m_system.time_date().time_format() == config::System_TimeDate::TIME_FORMAT_12;
    m_ui->timeEdit->setDisplayFormat(twelveHours ? QStringLiteral("AP hh:mm:ss") : QStringLiteral("hh:mm:ss"));
    SetCurrentTime();
}

void CSetupEtc::setTarget(const DVR& target)
{
    m_target = target;
}

void CSetupEtc::SetCurrentTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_ui->dateEdit->setDate(now.date());
    m_ui->timeEdit->setTime(now.time());
}

void CSetupEtc::ApplyTime()
{
    const QDate date = m_ui->dateEdit->date();
    const QTime time = m_ui->timeEdit->time();
    if (m_target.oldprotocol()) {
        const QString request = date.toString(QStringLiteral("yyMMdd")) + time.toString(QStringLiteral("hhmmss"));
        send(CSetupQuery::build(COldQuery()
                                    .add("MODE", OLD_MODE_COMMAND)
                                    .add("OP", OLD_OP_TIME)
                                    .addCredential("ID", QString::fromStdString(m_target.id()))
                                    .addCredential("PW", QString::fromStdString(m_target.password()))
                                    .add("LEN", request.size())
                                    .addPlain("REQ", request.toLatin1())));
        return;
    }
    // The digits shown are the DVR's own clock: no time-zone shift.
    cgi::DvrTime dvrTime;
    dvrTime.set_time(static_cast<quint32>(QDateTime(date, time, Qt::UTC).toSecsSinceEpoch()));
    send(CSetupQuery::build(cgi::MODE_DVR_TIME, m_target.id(), m_target.password(), dvrTime));
}

void CSetupEtc::ResetDVR()
{
    if (m_target.oldprotocol()) {
        send(CSetupQuery::build(COldQuery()
                                    .add("MODE", OLD_MODE_COMMAND)
                                    .addCredential("ID", QString::fromStdString(m_target.id()))
                                    .addCredential("PW", QString::fromStdString(m_target.password()))
                                    .add("OP", OLD_OP_RESET)));
        return;
    }
    send(CSetupQuery::build(cgi::MODE_RESET, m_target.id(), m_target.password(), cgi::NullMsg()));
}

void CSetupEtc::send(const std::optional<QString>& query)
{
    if (query)
        m_command->send(m_target, *query);
}

void CSetupEtc::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupEtc::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
