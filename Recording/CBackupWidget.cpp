#include "CBackupWidget.h"

CBackupWidget::CBackupWidget(QWidget* parent)
    : QWidget(parent)
{
}

CBackupWidget::~CBackupWidget() = default;

void CBackupWidget::clear() { }

void CBackupWidget::search(const DVR&, int, int) { }

void CBackupWidget::OnBackupStop() { }

bool CBackupWidget::isBackup() const
{
    return false;
}

void CBackupWidget::setGroupIndex(int index)
{
    m_groupIndex = index;
}

void CBackupWidget::setDvrIndex(int index)
{
    m_dvrIndex = index;
}

int CBackupWidget::getGroupIndex() const
{
    return m_groupIndex;
}

int CBackupWidget::getDvrIndex() const
{
    return m_dvrIndex;
}

void CBackupWidget::reloadSearchData() { }

void CBackupWidget::OnUpdateProgress(int) { }
