#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CSendDVRInfoWidget;
}

// Asks for a DVR's address, port and administrator password before a
// request that reads or changes the DVR's configuration. Accepted only when
// all three are filled in (a port above 0).
class CSendDVRInfoWidget : public QDialog {
    Q_OBJECT

public:
    explicit CSendDVRInfoWidget(QWidget* parent = nullptr);
    ~CSendDVRInfoWidget() override;

    void setAddress(const QString& address);
    void setPort(int port);
    void setPassword(const QString& password);
    QString getAddress() const;
    int getPort() const;
    QString getPassword() const;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnAccept();

private:
    std::unique_ptr<Ui::CSendDVRInfoWidget> m_ui;
};
