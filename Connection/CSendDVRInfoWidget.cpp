#include "CSendDVRInfoWidget.h"

#include "Common/CPlainMessageBox.h"
#include "ui_CSendDVRInfoWidget.h"

#include <QEvent>
#include <QMessageBox>

CSendDVRInfoWidget::CSendDVRInfoWidget(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CSendDVRInfoWidget>())
{
    m_ui->setupUi(this);
    m_ui->password->setEchoMode(QLineEdit::Password);
    m_ui->port->setRange(0, 65535);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CSendDVRInfoWidget::OnAccept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CSendDVRInfoWidget::reject);
}

CSendDVRInfoWidget::~CSendDVRInfoWidget() = default;

void CSendDVRInfoWidget::setAddress(const QString& address)
{
    m_ui->address->setText(address);
}

void CSendDVRInfoWidget::setPort(int port)
{
    m_ui->port->setValue(port);
}

void CSendDVRInfoWidget::setPassword(const QString& password)
{
    m_ui->password->setText(password);
}

QString CSendDVRInfoWidget::getAddress() const
{
    return m_ui->address->text();
}

int CSendDVRInfoWidget::getPort() const
{
    return m_ui->port->value();
}

QString CSendDVRInfoWidget::getPassword() const
{
    return m_ui->password->text();
}

void CSendDVRInfoWidget::OnAccept()
{
    if (getAddress().isEmpty() || getPort() <= 0 || getPassword().isEmpty()) {
        CPlainMessageBox::warning(nullptr, windowTitle(), tr("Please fill in all blanks."));
        return;
    }
    accept();
}

void CSendDVRInfoWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSendDVRInfoWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
