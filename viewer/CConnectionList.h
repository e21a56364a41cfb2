#pragma once

#include "ProtoBuf/GroupList.pb.h"

#include <QList>

class CConnectDVR;
class CDisplayWidget;
class QTreeWidgetItem;

// The main window's connection controllers: one entry per DVR of the
// connected group, in tree order. An entry is empty when another DVR of the
// group was named. Owns the controllers; keeps the current DVR's index.
class CConnectionList {
public:
    // The most channels one group connect puts on the wall.
    static constexpr int MAX_CHANNELS = 255;

    CConnectionList() = default;
    ~CConnectionList();
    CConnectionList(const CConnectionList&) = delete;
    CConnectionList& operator=(const CConnectionList&) = delete;

    // Appends an entry per DVR of the group, in order, while the running sum
    // of their channels (the set bits of each channel mask when
    // countMaskChannels, else each channel count) stays at MAX_CHANNELS or
    // below. A negative dvrIndex gives every DVR a controller, else only the
    // DVR at that position. Each controller takes its DVR from the group's
    // child item at its position (the group's own record when there is none).
    void connectGroup(const Group& group, const QTreeWidgetItem& groupItem, int dvrIndex, bool countMaskChannels);
    // Appends a controller of a DVR that is in no tree.
    void append(const DVR& dvr);
    void deleteAll();
    // Deletes every controller but the current DVR's; their entries stay,
    // empty, so that the others keep their places.
    void deleteAllButCurrent();
    // Deletes the entry's controller and drops the entry, so that the
    // entries keep the places of the group's remaining DVRs; the current
    // index follows its DVR, or becomes -1 when that was the one dropped.
    void removeAt(int index);

    const QList<CConnectDVR*>& entries() const { return m_entries; }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index) { m_current = index; }
    bool isCurrentValid() const;
    // The current DVR's controller; nullptr unless the current DVR is valid.
    CConnectDVR* current() const;

    // Gives each controller its screens (in the many-DVR view one after the
    // other, one screen per channel of its mask; else from screen 0) and the
    // wall: in the one-DVR view only the current DVR's controller, in the
    // many-DVR view every controller with a screen on view. There the DVR
    // of the wall's framed tile becomes current, failed or not, so that the
    // frame and the current DVR never name two DVRs; with no DVR on the
    // framed tile the current DVR stays while it has a screen on view,
    // and otherwise the last DVR on view becomes current. True when the
    // current DVR changed.
    bool assignScreens(CDisplayWidget* wall);

private:
    QList<CConnectDVR*> m_entries;
    int m_current = -1;
};
