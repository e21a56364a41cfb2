#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QWidget>
#include <memory>

class CProgressDialog;
class CSetupWidget;
class UpLoader;

namespace Ui {
class CUpgrade;
}

// The setup hub's firmware overlay: uploads the chosen file as "Ramdisk" or
// "Kernel" firmware, follows the upload in a progress dialog that can abort
// it, and tells how it ended. "Upgrade" is disabled while an upload runs.
class CUpgrade : public QWidget {
    Q_OBJECT

public:
    explicit CUpgrade(CSetupWidget* parent);
    ~CUpgrade() override;

    // The DVR the firmware goes to.
    void setTarget(const DVR& target);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnUpgrade();
    void OnSelectFile();
    void AbortUpload();
    void FinishUpload(bool error, bool aborted, const QString& text);

private:
    std::unique_ptr<Ui::CUpgrade> m_ui;
    DVR m_target;
    UpLoader* m_upLoader;
    CProgressDialog* m_progress;
};
