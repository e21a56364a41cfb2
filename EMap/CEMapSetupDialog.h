#pragma once

#include <QDialog>

// Edits the E-Map settings (pop-up on events, pop-down time, map image
// size) and stores them when accepted. Run modally.
class CEMapSetupDialog : public QDialog {
    Q_OBJECT

public:
    explicit CEMapSetupDialog(QWidget* parent = nullptr);
    ~CEMapSetupDialog() override;
};
