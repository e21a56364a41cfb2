#pragma once

#include <QDialog>

// The PC setup dialog (PC options and PC information). Modal, but the main
// window shows it without waiting; OK stores the options (saveSettings) and
// then accepts, so the options are stored before accepted() reaches anyone.
class CPCSetupDialog : public QDialog {
    Q_OBJECT

public:
    explicit CPCSetupDialog(QWidget* parent = nullptr);
    ~CPCSetupDialog() override;

    // Refills the options from the settings store and shows the first page.
    void loadSettings();

public slots:
    void saveSettings();
};
