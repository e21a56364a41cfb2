#pragma once

#include "sys_conf/proto/dvr_conf.pb.h"

#include <QList>
#include <QMetaType>
#include <QWidget>
#include <memory>

class QCheckBox;
class QListWidgetItem;

namespace Ui {
class CSetupAccount;
}

Q_DECLARE_METATYPE(config::Account_User)

// The "Account" tab: the administrator password, the DVR's users and the
// automatic log-off. The user list and the part's users change together,
// only through "Add", "Modify" and "Delete"; the user controls are an
// editing area read when one of those is pressed. Each row keeps a copy of
// its user as Qt::UserRole data (meta-type "config::Account_User").
class CSetupAccount : public QWidget {
    Q_OBJECT

public:
    explicit CSetupAccount(QWidget* parent = nullptr);
    ~CSetupAccount() override;

    void InitControls();
    void InitDvrInfo(const config::DvrConf_DvrInfo& info);
    void InitConf();
    void SetConf(const config::Account& account);
    // Takes the log-off controls into the part first.
    config::Account GetConf();
    void UpdateControls() { }
    // Adds an administrator part whose password is left unset.
    void MakeConfValid();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void SetChStateFromAll(int state);
    void SetChAllState();
    void OnClear();
    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnChangedAdminPassword(const QString& text);
    void OnItemClicked(QListWidgetItem* item);

private:
    void updateChannelCtrl(int channels);
    void UpdateControlFromUser(const config::Account_User& user);
    void UpdateUserFromControl(config::Account_User* user) const;
    bool hasNameAndPassword() const;

    std::unique_ptr<Ui::CSetupAccount> m_ui;
    config::DvrConf_DvrInfo m_dvrInfo;
    QList<QCheckBox*> m_channels; // shown boxes in channel order
    config::Account m_account;
};
