#pragma once

#include "Settings/CChangedSettings.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CEMapSetupDialog;
}

// Edits the E-Map settings (pop-up on events, pop-down time, map image
// size) and stores those the operator changed when accepted, so that
// another viewer's saved meanwhile stay. Run modally. When they cannot be
// stored, a message names the settings file and the system's reason, and
// the dialog stays open.
class CEMapSetupDialog : public QDialog {
    Q_OBJECT

public:
    explicit CEMapSetupDialog(QWidget* parent = nullptr);
    ~CEMapSetupDialog() override;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnAccept();

private:
    void loadSettings();
    QMap<QString, QVariant> shownChoices() const;

    std::unique_ptr<Ui::CEMapSetupDialog> m_ui;
    CChangedSettings m_stored;
};
