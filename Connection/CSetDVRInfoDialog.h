#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QDialog>
#include <QList>
#include <memory>

class QCheckBox;

namespace Ui {
class CSetDVRInfoDialog;
}

// Enters or changes one DVR of the directory: name, address, port, user id
// and password, screen division, the channels used and the protocol dialect.
// It never touches the directory itself: its owner fills it with setDVR and
// reads the edited record back with getDVR once it was accepted.
class CSetDVRInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSetDVRInfoDialog(QWidget* parent = nullptr);
    ~CSetDVRInfoDialog() override;

    void setDVR(const DVR& dvr);
    // A new record without channel names; each field set explicitly, so the
    // list file keeps it even when it equals the default.
    DVR getDVR() const;

    virtual void languageChange();

public slots:
    // Closes the dialog only when name, address, id and password are filled.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    // A division checks and enables the channels below it and unchecks and
    // disables the rest.
    void OnChangedChannels(const QString& text);

private:
    void enableChannels(int count);

    std::unique_ptr<Ui::CSetDVRInfoDialog> m_ui;
    QList<QCheckBox*> m_channels;
    // The channel count of the record given, kept when no division is chosen.
    int m_givenChannels = 0;
};
