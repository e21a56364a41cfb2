#include "CPCSetupDialog.h"

#include "Common/CPlainMessageBox.h"
#include "Settings/CAppSettings.h"
#include "Settings/CPCInfoPage.h"
#include "Settings/CPCSetupPage.h"
#include "ui_CPCSetupDialog.h"

#include <QEvent>

CPCSetupDialog::CPCSetupDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CPCSetupDialog>())
{
    Q_INIT_RESOURCE(PCSetupImages);
    m_ui->setupUi(this);
    setModal(true);
    m_ui->SetupMenu->setCurrentRow(0);
    connect(m_ui->SetupMenu, &QListWidget::currentRowChanged, m_ui->stackedWidget, &QStackedWidget::setCurrentIndex);
    m_setupPage = new CPCSetupPage(m_ui->setupPage);
    m_infoPage = new CPCInfoPage(m_ui->infoPage);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CPCSetupDialog::saveSettings);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CPCSetupDialog::reject);
}

CPCSetupDialog::~CPCSetupDialog() = default;

void CPCSetupDialog::loadSettings()
{
    m_setupPage->loadSettings();
    m_infoPage->refresh();
    m_ui->SetupMenu->setCurrentRow(0);
}

void CPCSetupDialog::saveSettings()
{
    QString reason;
    const CWholeFileWriter::Result saved = m_setupPage->saveSettings(&reason);
    if (saved != CWholeFileWriter::Result::Written)
        CPlainMessageBox::warning(this, windowTitle(), CAppSettings::saveMessage(saved, reason));
    if (saved != CWholeFileWriter::Result::Failed)
        accept();
}

void CPCSetupDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CPCSetupDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
