#include "CLogin.h"

#include "ui_CLogin.h"

#include <QEvent>

CLogin::CLogin(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CLogin>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CLogin::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CLogin::reject);
}

CLogin::~CLogin() = default;

QString CLogin::getID() const
{
    return m_ui->ID->text();
}

QString CLogin::getPassword() const
{
    return m_ui->Password->text();
}

void CLogin::languageChange()
{
    m_ui->retranslateUi(this);
}

void CLogin::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
