#include "CUpgrade.h"

#include "Common/CPlainMessageBox.h"
#include "Connection/UpLoader.h"
#include "DVRSetup/CProgressDialog.h"
#include "DVRSetup/CSetupQuery.h"
#include "DVRSetup/CSetupWidget.h"
#include "Settings/CAppDir.h"
#include "ui_CUpgrade.h"

#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>

CUpgrade::CUpgrade(CSetupWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CUpgrade>())
    , m_upLoader(new UpLoader(this))
    , m_progress(new CProgressDialog(this))
{
    m_ui->setupUi(this);
    // Rows follow cgi::SwUpgrade's types; the names are the DVR's own.
    m_ui->type->addItems({QStringLiteral("Ramdisk"), QStringLiteral("Kernel")});
    m_ui->type->setCurrentIndex(cgi::SwUpgrade::TYPE_RAMDISK);

    connect(m_ui->upgrade, &QPushButton::clicked, this, &CUpgrade::OnUpgrade);
    connect(m_ui->browse, &QPushButton::clicked, this, &CUpgrade::OnSelectFile);
    connect(m_ui->close, &QPushButton::clicked, parent, &CSetupWidget::OnCloseUpgrade);
    connect(m_progress, &CProgressDialog::Aborted, this, &CUpgrade::AbortUpload);
    connect(m_upLoader, &UpLoader::progress, m_progress, &CProgressDialog::Progress);
    connect(m_upLoader, &UpLoader::started, this, [this] { m_ui->upgrade->setEnabled(false); });
    connect(m_upLoader, &UpLoader::finished, this, &CUpgrade::FinishUpload);
}

CUpgrade::~CUpgrade() = default;

void CUpgrade::setTarget(const DVR& target)
{
    m_target = target;
}

void CUpgrade::OnSelectFile()
{
    m_ui->fileName->setText(QFileDialog::getOpenFileName(
        this, tr("Select File"), CAppDir::getCurrentPath(), QStringLiteral("All files(*.*)")));
}

void CUpgrade::OnUpgrade()
{
    if (m_target.address().empty() || m_ui->fileName->text().isEmpty() || m_upLoader->isUploading())
        return;
    cgi::SwUpgrade upgrade;
    upgrade.set_type(static_cast<cgi::SwUpgrade::Type>(m_ui->type->currentIndex()));
    const std::optional<QString> query
        = CSetupQuery::build(cgi::MODE_SW_UPGRADE, m_target.id(), m_target.password(), upgrade);
    if (!query)
        return;
    m_progress->show();
    m_upLoader->upload(QString::fromStdString(m_target.address()), m_target.port(), *query, m_ui->fileName->text());
}

void CUpgrade::AbortUpload()
{
    m_upLoader->abort();
}

void CUpgrade::FinishUpload(bool error, bool aborted, const QString& text)
{
    qDebug("%s : error : %d\n", "FinishUpload", error);
    qDebug("%s : abort : %d\n", "FinishUpload", aborted);
    qDebug("%s : text : %s\n", "FinishUpload", qPrintable(text));
    m_ui->upgrade->setEnabled(true);
    m_progress->hide();
    if (aborted)
        return;
    if (error)
        CPlainMessageBox::warning(nullptr, tr("S/W Upgrade"), tr("The upgrade is failed!"));
    else
        CPlainMessageBox::information(nullptr, tr("S/W Upgrade"), tr("The upgrade is completed!"));
}

void CUpgrade::languageChange()
{
    m_ui->retranslateUi(this);
}

void CUpgrade::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
