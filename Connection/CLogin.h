#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CLogin;
}

// Asks for a user id and password to log in to a DVR given by address.
// Takes whatever is typed, empty texts included.
class CLogin : public QDialog {
    Q_OBJECT

public:
    explicit CLogin(QWidget* parent = nullptr);
    ~CLogin() override;

    QString getID() const;
    QString getPassword() const;

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CLogin> m_ui;
};
