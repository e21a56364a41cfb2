#include "CLogWidget.h"

#include "ui_CLogWidget.h"

#include <QEvent>

CLogWidget::CLogWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CLogWidget>())
{
    m_ui->setupUi(this);
}

CLogWidget::~CLogWidget() = default;

QTextEdit* CLogWidget::getDisplayWidget() const
{
    m_ui->LogResult->clear();
    return m_ui->LogResult;
}

void CLogWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
