#include "CDVRInfoWidget.h"

#include "Connection/CInfoWidget.h"
#include "Connection/CLogWidget.h"
#include "ui_CDVRInfoWidget.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {

const int TAB_MARGIN = 10;

// The tab's content follows the page's size, so that the information tab's
// disk panels can use (and scroll through) whatever room the page has.
template <typename Content> Content* fillPage(QWidget* page)
{
    auto* content = new Content(page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return content;
}

} // namespace

CDVRInfoWidget::CDVRInfoWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CDVRInfoWidget>())
{
    m_ui->setupUi(this);
    m_info = fillPage<CInfoWidget>(m_ui->InfoTab);
    m_log = fillPage<CLogWidget>(m_ui->LogTab);
}

CDVRInfoWidget::~CDVRInfoWidget() = default;

void CDVRInfoWidget::readData(const DVR& dvr)
{
    m_info->readData(dvr, m_log->getDisplayWidget());
}

void CDVRInfoWidget::resizeEvent(QResizeEvent* event)
{
    m_ui->tabWidget->resize(width() - TAB_MARGIN, height() - TAB_MARGIN);
    QWidget::resizeEvent(event);
}

void CDVRInfoWidget::languageChange()
{
    m_ui->retranslateUi(this);
}

void CDVRInfoWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
