#include "CConnectionList.h"

#include "Common/CChnum.h"
#include "Connection/CConnectDVR.h"
#include "Display/CDisplayWidget.h"

#include <QTreeWidgetItem>

CConnectionList::~CConnectionList()
{
    deleteAll();
}

void CConnectionList::connectGroup(
    const Group& group, const QTreeWidgetItem& groupItem, int dvrIndex, bool countMaskChannels)
{
    int channels = 0;
    for (int i = 0; i < group.dvr_size(); ++i) {
        const DVR& dvr = group.dvr(i);
        channels += countMaskChannels ? CChnum::getCheckedChNum(dvr.bitch()) : dvr.chnum();
        if (channels > MAX_CHANNELS)
            break;
        CConnectDVR* controller = nullptr;
        if (dvrIndex < 0 || dvrIndex == i) {
            controller = new CConnectDVR;
            controller->setDVR(dvr);
            controller->setDVR(groupItem.child(i));
        }
        m_entries.append(controller);
    }
}

void CConnectionList::append(const DVR& dvr)
{
    auto* controller = new CConnectDVR;
    controller->setDVR(dvr);
    m_entries.append(controller);
}

void CConnectionList::deleteAll()
{
    qDeleteAll(m_entries);
    m_entries.clear();
}

void CConnectionList::deleteAllButCurrent()
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (i != m_current) {
            delete m_entries.at(i);
            m_entries[i] = nullptr;
        }
    }
}

void CConnectionList::removeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    delete m_entries.takeAt(index);
    if (m_current == index)
        m_current = -1;
    else if (m_current > index)
        --m_current;
}

bool CConnectionList::isCurrentValid() const
{
    return m_current >= 0 && m_current < m_entries.size() && m_entries.at(m_current);
}

CConnectDVR* CConnectionList::current() const
{
    return isCurrentValid() ? m_entries.at(m_current) : nullptr;
}

bool CConnectionList::assignScreens(CDisplayWidget* wall)
{
    const bool manyDvrs = wall->getScreenMode() == CDisplayWidget::MULTI_DVR;
    const int framed = wall->selectedScreen();
    int offset = 0;
    int lastOnView = -1;
    int framedOwner = -1;
    bool currentOnView = false;
    for (int i = 0; i < m_entries.size(); ++i) {
        CConnectDVR* controller = m_entries.at(i);
        if (!controller)
            continue;
        const int count = CChnum::getCheckedChNum(controller->getDVR().bitch());
        const int start = manyDvrs ? offset : 0;
        if (manyDvrs)
            offset += count;
        controller->setDisplayScreen(start, count);
        if (!manyDvrs) {
            if (i == m_current)
                controller->setDisplayWidget(wall);
        } else if (start < wall->getViewEndScreen() && start + count > wall->getViewStartScreen()) {
            controller->setDisplayWidget(wall);
            lastOnView = i;
            currentOnView = currentOnView || i == m_current;
            if (framed >= start && framed < start + count)
                framedOwner = i;
        }
    }
    const int current = framedOwner >= 0 ? framedOwner : currentOnView || lastOnView < 0 ? m_current : lastOnView;
    if (current == m_current)
        return false;
    m_current = current;
    return true;
}
