#include "CSetupAccount.h"

#include "Common/CChnum.h"
#include "Common/CPlainMessageBox.h"
#include "DVRSetup/CSetupControls.h"
#include "DVRSetup/KValidator.h"
#include "sys_conf/types/account.h"
#include "ui_CSetupAccount.h"

#include <QEvent>
#include <QMessageBox>

namespace {

constexpr int USER_ROLE = Qt::UserRole;
constexpr int NETWORK_TIMEOUT_MINUTES[] = {0, 1, 5, 15, 30, 60};
constexpr int WAIT_TIME_ROWS = 5;

QString networkTimeoutText(int minutes)
{
    if (minutes == 0)
        return QStringLiteral("Continuous");
    return QString::number(minutes) + (minutes == 1 ? QStringLiteral(" minute") : QStringLiteral(" minutes"));
}

} // namespace

CSetupAccount::CSetupAccount(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CSetupAccount>())
{
    qRegisterMetaType<config::Account_User>("config::Account_User");
    m_ui->setupUi(this);
    m_ui->password->setEchoMode(QLineEdit::Password);
    m_ui->admin_password->setEchoMode(QLineEdit::Password);
    m_ui->name->setValidator(KValidator::UserName(this));
    m_ui->password->setValidator(KValidator::UserPass(this));
    m_ui->admin_password->setValidator(KValidator::UserPass(this));
    m_ui->buttonLayout->setSpacing(20);
    connect(m_ui->chAll, &QCheckBox::stateChanged, this, &CSetupAccount::SetChStateFromAll);
    connect(m_ui->clear, &QPushButton::clicked, this, &CSetupAccount::OnClear);
    connect(m_ui->userAdd, &QPushButton::clicked, this, &CSetupAccount::OnAdd);
    connect(m_ui->userModify, &QPushButton::clicked, this, &CSetupAccount::OnModify);
    connect(m_ui->userDelete, &QPushButton::clicked, this, &CSetupAccount::OnDelete);
    connect(m_ui->admin_password, &QLineEdit::textChanged, this, &CSetupAccount::OnChangedAdminPassword);
    connect(m_ui->userList, &QListWidget::itemClicked, this, &CSetupAccount::OnItemClicked);
    InitControls();
    config::DvrConf_DvrInfo info;
    InitDvrInfo(info);
}

CSetupAccount::~CSetupAccount() = default;

void CSetupAccount::InitControls()
{
    const QSignalBlocker timeout(m_ui->networkTimeout);
    for (int minutes : NETWORK_TIMEOUT_MINUTES)
        m_ui->networkTimeout->addItem(networkTimeoutText(minutes));
    CSetupControls::setItems(m_ui->logoffWaitTime, CSetupControls::rows(config::WaitTime_Index2String, WAIT_TIME_ROWS));
    CSetupControls::setSwitchIds(m_ui->ptzfGroup, m_ui->ptzfOff, m_ui->ptzfOn);
    CSetupControls::setSwitchIds(m_ui->playbackGroup, m_ui->playbackOff, m_ui->playbackOn);
    CSetupControls::setSwitchIds(m_ui->backupGroup, m_ui->backupOff, m_ui->backupOn);
    CSetupControls::setSwitchIds(m_ui->networkGroup, m_ui->networkOff, m_ui->networkOn);
    CSetupControls::setSwitchIds(m_ui->logoffAutoGroup, m_ui->logoffAutoOff, m_ui->logoffAutoOn);
}

void CSetupAccount::InitDvrInfo(const config::DvrConf_DvrInfo& info)
{
    m_dvrInfo = info;
    InitConf();
}

void CSetupAccount::InitConf()
{
    SetConf(config::Account());
}

void CSetupAccount::MakeConfValid()
{
    if (!m_account.has_admin())
        m_account.mutable_admin();
}

void CSetupAccount::SetConf(const config::Account& account)
{
    m_account = account;
    MakeConfValid();
    {
        const QSignalBlocker list(m_ui->userList);
        m_ui->userList->clear();
        updateChannelCtrl(static_cast<int>(m_dvrInfo.ch_num()));
        CSetupControls::setText(m_ui->admin_password, CSetupControls::fromNarrow(m_account.admin().password()));
        for (const config::Account_User& user : m_account.users()) {
            auto* row = new QListWidgetItem(CSetupControls::fromNarrow(user.name()));
            row->setData(USER_ROLE, QVariant::fromValue(user));
            m_ui->userList->addItem(row);
        }
        if (m_account.users_size() > 0)
            m_ui->userList->setCurrentRow(0);
    }
    // The controls show the current row's user, so that "Modify" never
    // writes what they showed for another DVR into it.
    if (m_account.users_size() == 0)
        OnClear();
    else
        UpdateControlFromUser(m_account.users(0));
    CSetupControls::setSwitch(m_ui->logoffAutoGroup, m_account.logoff().auto_enable());
    CSetupControls::setRow(m_ui->logoffWaitTime, config::WaitTime_Type2Index(m_account.logoff().wait_time()));
}

config::Account CSetupAccount::GetConf()
{
    config::Account_Logoff& logoff = *m_account.mutable_logoff();
    logoff.set_auto_enable(CSetupControls::isOn(m_ui->logoffAutoGroup));
    logoff.set_wait_time(config::WaitTime_Index2Type(m_ui->logoffWaitTime->currentIndex()));
    return m_account;
}

void CSetupAccount::updateChannelCtrl(int channels)
{
    for (QCheckBox* box : std::as_const(m_channels))
        disconnect(box, nullptr, this, nullptr);
    m_channels = CChnum::showChannelBoxes(this, channels);
    for (QCheckBox* box : std::as_const(m_channels))
        connect(box, &QCheckBox::stateChanged, this, &CSetupAccount::SetChAllState);
}

void CSetupAccount::SetChStateFromAll(int state)
{
    for (QCheckBox* box : std::as_const(m_channels)) {
        const QSignalBlocker blocker(box);
        box->setChecked(state != 0);
    }
}

void CSetupAccount::SetChAllState()
{
    bool all = true;
    for (const QCheckBox* box : std::as_const(m_channels))
        all = all && box->isChecked();
    const QSignalBlocker blocker(m_ui->chAll);
    m_ui->chAll->setChecked(all);
}

void CSetupAccount::UpdateControlFromUser(const config::Account_User& user)
{
    CSetupControls::setText(m_ui->name, CSetupControls::fromNarrow(user.name()));
    CSetupControls::setText(m_ui->password, CSetupControls::fromNarrow(user.password()));
    CChnum::setCheckBoxValue(m_channels, user.ch_mask());
    SetChAllState();
    CSetupControls::setSwitch(m_ui->ptzfGroup, user.ptz());
    CSetupControls::setSwitch(m_ui->playbackGroup, user.playback());
    CSetupControls::setSwitch(m_ui->backupGroup, user.backup());
    CSetupControls::setSwitch(m_ui->networkGroup, user.network());
    CSetupControls::setRow(m_ui->networkTimeout, config::NetworkTimeout_Type2Index(user.network_timeout()));
}

void CSetupAccount::UpdateUserFromControl(config::Account_User* user) const
{
    user->set_name(CSetupControls::toNarrow(m_ui->name->text()));
    user->set_password(CSetupControls::toNarrow(m_ui->password->text()));
    user->set_ch_mask(static_cast<quint32>(CChnum::getCheckBoxValue(m_channels)));
    user->set_ptz(CSetupControls::isOn(m_ui->ptzfGroup));
    user->set_playback(CSetupControls::isOn(m_ui->playbackGroup));
    user->set_backup(CSetupControls::isOn(m_ui->backupGroup));
    user->set_network(CSetupControls::isOn(m_ui->networkGroup));
    user->set_network_timeout(config::NetworkTimeout_Index2Type(m_ui->networkTimeout->currentIndex()));
}

bool CSetupAccount::hasNameAndPassword() const
{
    return !m_ui->name->text().isEmpty() && !m_ui->password->text().isEmpty();
}

void CSetupAccount::OnClear()
{
    UpdateControlFromUser(config::Account_User());
    CSetupControls::setText(m_ui->name, QString());
    CSetupControls::setText(m_ui->password, QString());
}

void CSetupAccount::OnAdd()
{
    if (!hasNameAndPassword())
        return;
    const QString name = m_ui->name->text();
    for (int row = 0; row < m_ui->userList->count(); ++row) {
        if (m_ui->userList->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) {
            CPlainMessageBox(QMessageBox::NoIcon, QString(), tr("Can't add same user."), QMessageBox::Ok).exec();
            return;
        }
    }
    config::Account_User* user = m_account.add_users();
    UpdateUserFromControl(user);
    auto* row = new QListWidgetItem(name);
    row->setData(USER_ROLE, QVariant::fromValue(*user));
    const QSignalBlocker blocker(m_ui->userList);
    m_ui->userList->addItem(row);
    row->setSelected(true);
    m_ui->userList->setCurrentItem(row);
}

void CSetupAccount::OnModify()
{
    const int row = m_ui->userList->currentRow();
    if (!hasNameAndPassword() || row < 0 || row >= m_account.users_size())
        return;
    config::Account_User* user = m_account.mutable_users(row);
    UpdateUserFromControl(user);
    QListWidgetItem* item = m_ui->userList->item(row);
    item->setData(USER_ROLE, QVariant::fromValue(*user));
    item->setText(m_ui->name->text());
}

void CSetupAccount::OnDelete()
{
    const int row = m_ui->userList->currentRow();
    if (row < 0 || row >= m_account.users_size())
        return;
    delete m_ui->userList->takeItem(row);
    m_account.mutable_users()->DeleteSubrange(row, 1);
}

void CSetupAccount::OnChangedAdminPassword(const QString& text)
{
    m_account.mutable_admin()->set_password(CSetupControls::toNarrow(text));
}

void CSetupAccount::OnItemClicked(QListWidgetItem*)
{
    config::Account_User user;
    if (const QListWidgetItem* row = m_ui->userList->currentItem()) {
        const QVariant data = row->data(USER_ROLE);
        if (data.metaType() == QMetaType::fromType<config::Account_User>())
            user = data.value<config::Account_User>();
    }
    UpdateControlFromUser(user);
}

void CSetupAccount::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetupAccount::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
