#include "CSetEMapInfoDialog.h"

#include "Common/CPlainMessageBox.h"
#include "ui_CSetEMapInfoDialog.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

CSetEMapInfoDialog::CSetEMapInfoDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CSetEMapInfoDialog>())
{
    m_ui->setupUi(this);
    setModal(true);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CSetEMapInfoDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CSetEMapInfoDialog::reject);
    connect(m_ui->PathButton, &QToolButton::clicked, this, &CSetEMapInfoDialog::OnBrowser);
}

CSetEMapInfoDialog::~CSetEMapInfoDialog() = default;

void CSetEMapInfoDialog::setEMap(const QString& groupName, const EMap& map)
{
    m_ui->EditGroupName->setText(groupName);
    m_ui->EditEMapName->setText(QString::fromStdString(map.name()));
    m_ui->EditImagePath->setPlainText(QString::fromStdString(map.mapimagepath()));
}

EMap CSetEMapInfoDialog::getEMap() const
{
    EMap map;
    map.set_name(m_ui->EditEMapName->text().toStdString());
    map.set_mapimagepath(m_ui->EditImagePath->toPlainText().toStdString());
    return map;
}

QString CSetEMapInfoDialog::getGroupName() const
{
    return m_ui->EditGroupName->text();
}

void CSetEMapInfoDialog::accept()
{
    if (m_ui->EditGroupName->text().isEmpty() || m_ui->EditEMapName->text().isEmpty()
        || m_ui->EditImagePath->toPlainText().isEmpty()) {
        CPlainMessageBox::information(nullptr, QString(), tr("Please fill in all blanks."));
        return;
    }
    QDialog::accept();
}

void CSetEMapInfoDialog::OnBrowser()
{
    const QString current = m_ui->EditImagePath->toPlainText();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Select a Image file"), folder, QStringLiteral("Image files(*.bmp | *.jpg | *.png)"));
    if (!chosen.isEmpty())
        m_ui->EditImagePath->setPlainText(chosen);
}

void CSetEMapInfoDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CSetEMapInfoDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
