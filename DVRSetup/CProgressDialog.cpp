#include "CProgressDialog.h"

#include "ui_CProgressDialog.h"

#include <QEvent>

CProgressDialog::CProgressDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CProgressDialog>())
{
    m_ui->setupUi(this);
    m_ui->progressBar->setRange(0, 100);
    m_ui->progressBar->setValue(0);
    connect(m_ui->abortButton, &QPushButton::clicked, this, &CProgressDialog::Aborted);
}

CProgressDialog::~CProgressDialog() = default;

void CProgressDialog::Progress(qint64 bytesSent, qint64 bytesTotal)
{
    // The network layer reports an unknown total as 0 or -1.
    if (bytesTotal <= 0)
        return;
    const qint64 percentage = bytesSent * 100 / bytesTotal;
    if (percentage == m_shown)
        return;
    m_shown = percentage;
    m_ui->progressBar->setValue(static_cast<int>(percentage));
}

void CProgressDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
