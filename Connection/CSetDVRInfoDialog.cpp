#include "CSetDVRInfoDialog.h"

#include "Common/CChnum.h"
#include "Common/CPlainMessageBox.h"
#include "ui_CSetDVRInfoDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QMessageBox>
#include <QRegularExpression>

CSetDVRInfoDialog::CSetDVRInfoDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CSetDVRInfoDialog>())
{
    m_ui->setupUi(this);
    setModal(true);
    m_ui->chnum->addItems({QStringLiteral("4"), QStringLiteral("8"), QStringLiteral("16")});
    m_ui->password->setEchoMode(QLineEdit::Password);
    m_channels = findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^ch_[0-9]+$")));
    CChnum::SortCheckBox(&m_channels);
    connect(m_ui->chnum, &QComboBox::currentTextChanged, this, &CSetDVRInfoDialog::OnChangedChannels);
}

CSetDVRInfoDialog::~CSetDVRInfoDialog() = default;

void CSetDVRInfoDialog::setDVR(const DVR& dvr)
{
    m_ui->name->setText(QString::fromStdString(dvr.name()));
    m_ui->address->setText(QString::fromStdString(dvr.address()));
    m_ui->id->setText(QString::fromStdString(dvr.id()));
    m_ui->password->setText(QString::fromStdString(dvr.password()));
    m_ui->port->setValue(dvr.port());
    m_givenChannels = dvr.chnum();
    const int division = m_ui->chnum->findText(QString::number(dvr.chnum()), Qt::MatchExactly);
    m_ui->chnum->setCurrentIndex(division);
    // Also when the division stayed as it was, channels beyond it are not offered.
    enableChannels(division < 0 ? 0 : dvr.chnum());
    CChnum::setCheckBoxValue(m_channels, dvr.bitch());
    m_ui->check_oldProtocol->setChecked(dvr.oldprotocol());
}

DVR CSetDVRInfoDialog::getDVR() const
{
    DVR dvr;
    dvr.set_name(m_ui->name->text().toStdString());
    dvr.set_address(m_ui->address->text().toStdString());
    dvr.set_port(m_ui->port->value());
    dvr.set_id(m_ui->id->text().toStdString());
    dvr.set_password(m_ui->password->text().toStdString());
    dvr.set_chnum(m_ui->chnum->currentIndex() < 0 ? m_givenChannels : m_ui->chnum->currentText().toInt());
    dvr.set_bitch(static_cast<quint32>(CChnum::getCheckBoxValue(m_channels)));
    dvr.set_oldprotocol(m_ui->check_oldProtocol->isChecked());
    return dvr;
}

void CSetDVRInfoDialog::accept()
{
    for (const QLineEdit* field : {m_ui->name, m_ui->address, m_ui->id, m_ui->password}) {
        if (field->text().isEmpty()) {
            CPlainMessageBox(QMessageBox::NoIcon, QString(), tr("Please fill in all blanks.")).exec();
            return;
        }
    }
    QDialog::accept();
}

void CSetDVRInfoDialog::OnChangedChannels(const QString& text)
{
    const int count = text.toInt();
    enableChannels(count);
    for (int i = 0; i < m_channels.size(); ++i)
        m_channels.at(i)->setChecked(i < count);
}

void CSetDVRInfoDialog::enableChannels(int count)
{
    for (int i = 0; i < m_channels.size(); ++i)
        m_channels.at(i)->setEnabled(i < count);
}

void CSetDVRInfoDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetDVRInfoDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
