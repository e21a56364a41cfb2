#pragma once

#include <QDialog>
#include <memory>

class CPCInfoPage;
class CPCSetupPage;

namespace Ui {
class CPCSetupDialog;
}

// The PC setup dialog: the PC options page and the information page. Modal,
// but the main window shows it without waiting. OK stores the options the
// operator changed (saveSettings) and then accepts, so they are stored
// before accepted() reaches anyone; Cancel and closing store nothing. When
// the options cannot be stored, a message names the file and the reason
// (the system's, or another program that holds the file), and the dialog
// stays open with nothing applied.
class CPCSetupDialog : public QDialog {
    Q_OBJECT

public:
    explicit CPCSetupDialog(QWidget* parent = nullptr);
    ~CPCSetupDialog() override;

    // For each opening: refills the options from the store, reads the
    // drive's space again and shows the options page.
    void loadSettings();

    virtual void languageChange();

public slots:
    void saveSettings();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CPCSetupDialog> m_ui;
    CPCSetupPage* m_setupPage;
    CPCInfoPage* m_infoPage;
};
