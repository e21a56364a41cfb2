#pragma once

#include "DVRSetup/CLiveCommand.h"
#include "Settings/CChangedSettings.h"

#include <QWidget>
#include <memory>

namespace Ui {
class CAutoPresetWidget;
}

// The preset tour page of the live control panel: starts and stops a tour
// of the selected channel's camera from a start to an end preset. Each
// channel's choices are kept in the settings store, saved when the
// operator leaves the page: only those changed since they were shown, so
// that another viewer's tour stays.
class CAutoPresetWidget : public QWidget {
    Q_OBJECT

public:
    explicit CAutoPresetWidget(QWidget* parent = nullptr);
    ~CAutoPresetWidget() override;

    void setConnectedDVR(const DVR& dvr, int clientId);
    void clearConnectedDVR();
    // Shows the stored tour of the channel, dropping unsaved choices.
    void setChannel(int channel);
    void saveSettings();
    void readSettings();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnClickedAutoStart();
    void OnClickedAutoEnd();

private:
    QMap<QString, QVariant> shownTour() const;

    std::unique_ptr<Ui::CAutoPresetWidget> m_ui;
    CChangedSettings m_stored;
    int m_channel = 0;
    CLiveCommand m_command;
};
