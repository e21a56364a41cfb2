#include "CPCInfoPage.h"

#include "Settings/CHDDWidget.h"
#include "ui_CPCInfoPage.h"

#include <QDir>
#include <QEvent>

namespace {

const int PANEL_GAP = 10;

} // namespace

CPCInfoPage::CPCInfoPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CPCInfoPage>())
{
    m_ui->setupUi(this);
    m_hdd = new CHDDWidget(this);
    const QRect drives = m_ui->selLocalDrive->geometry();
    m_hdd->move(drives.right() + 1 + PANEL_GAP, drives.top());
    connect(m_ui->selLocalDrive, &QComboBox::currentTextChanged, this, &CPCInfoPage::OnChangedDrive);
    LoadLocalDrive();
    m_ui->AppVersion->setText(m_ui->AppVersion->text().replace(QStringLiteral("ELM"), QStringLiteral("QELM")));
}

CPCInfoPage::~CPCInfoPage() = default;

void CPCInfoPage::LoadLocalDrive()
{
    for (const QFileInfo& drive : QDir::drives())
        m_ui->selLocalDrive->addItem(drive.path());
    m_ui->selLocalDrive->setCurrentIndex(0);
}

void CPCInfoPage::refresh()
{
    if (m_ui->selLocalDrive->count() > 0)
        OnChangedDrive(m_ui->selLocalDrive->currentText());
}

void CPCInfoPage::setFileSystemQuery(CPCHddInfo::FileSystemQuery query)
{
    m_query = std::move(query);
    refresh();
}

void CPCInfoPage::OnChangedDrive(const QString& path)
{
    quint64 free = 0;
    quint64 total = 0;
    CPCHddInfo::getHddInfo(path, free, total, m_query);
    const quint64 used = total > free ? total - free : 0;
    m_hdd->setInfo(-1, {qint64(total), qint64(used), qint64(free)});
}

void CPCInfoPage::languageChange()
{
    m_ui->retranslateUi(this);
}

void CPCInfoPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
