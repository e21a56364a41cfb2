#pragma once

#include "DVRSetup/CLiveCommand.h"
#include "Settings/CChangedSettings.h"

#include <QWidget>
#include <memory>

namespace Ui {
class CAutoPresetWidget;
}

// The preset tour page of the live control panel: starts and stops a tour
// of the selected channel's camera from a start to an end preset. Its
// commands go through the DVR's line of commands (COrderedCommands), so
// Start and End reach the DVR in the order given, also when the window
// closes right after, and the last of them waiting alone. Each channel's
// choices are kept in the settings store as soon as the operator makes
// them, whatever comes next: only those changed since they were shown, so
// that another viewer's tour stays. A choice the settings file could not
// take yet (held by another program) stays pending (CPendingSettings) and
// shows whenever its channel's tour does; given up there for another
// viewer's later one, the page shows that one.
class CAutoPresetWidget : public QWidget {
    Q_OBJECT

public:
    explicit CAutoPresetWidget(QWidget* parent = nullptr);
    ~CAutoPresetWidget() override;

    // The commands go with the account of that entry; one the DVR refuses
    // or does not answer is told on the page until a later one is taken.
    void setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry);
    void clearConnectedDVR();
    // Shows the channel's tour: as chosen on this viewer when that is not
    // written yet, otherwise as stored.
    void setChannel(int channel);
    void readSettings();

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnClickedAutoStart();
    void OnClickedAutoEnd();
    // Keeps the choices shown that the operator changed.
    void keep();

private:
    // One command, in the DVR's dialect when it goes out.
    void send(const QString& what, const cgi::AutoPreset& tour, const QByteArray& oldRequest);
    QMap<QString, QVariant> shownTour() const;

    std::unique_ptr<Ui::CAutoPresetWidget> m_ui;
    CChangedSettings m_stored;
    int m_channel = 0;
    CLiveCommand m_command;
};
