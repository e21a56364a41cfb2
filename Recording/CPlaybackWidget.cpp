#include "CPlaybackWidget.h"

CPlaybackWidget::CPlaybackWidget(QWidget* parent)
    : QWidget(parent)
{
}

CPlaybackWidget::~CPlaybackWidget() = default;

void CPlaybackWidget::clear() { }

void CPlaybackWidget::search(const DVR&, int, int) { }

void CPlaybackWidget::search(const QString&) { }

void CPlaybackWidget::setDisplayWidget(CDisplayWidget*) { }

void CPlaybackWidget::connectSignal() { }

void CPlaybackWidget::disconnectSignal() { }

void CPlaybackWidget::PlayStop() { }

bool CPlaybackWidget::IsLocalPlayback() const
{
    return false;
}

int CPlaybackWidget::getSelectedChannels() const
{
    return 0;
}

void CPlaybackWidget::setGroupIndex(int index)
{
    m_groupIndex = index;
}

void CPlaybackWidget::setDvrIndex(int index)
{
    m_dvrIndex = index;
}

int CPlaybackWidget::getGroupIndex() const
{
    return m_groupIndex;
}

int CPlaybackWidget::getDvrIndex() const
{
    return m_dvrIndex;
}

void CPlaybackWidget::reloadSearchData() { }
