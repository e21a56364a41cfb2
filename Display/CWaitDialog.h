#pragma once

#include <QDialog>

// A small title-bar-only window with a spinner and "Please wait a minute.",
// shown around long work.
class CWaitDialog : public QDialog {
    Q_OBJECT

public:
    explicit CWaitDialog(QWidget* parent = nullptr);
};
