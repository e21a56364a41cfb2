#pragma once

#include "ProtoBuf/GroupList.pb.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CConnectionList;
class CDVRListTree;
class QTreeWidgetItem;
class TestDvr;

// Running test DVRs that honour channel selections, and groups of them in a
// DVR tree, as the live view tests connect them. A test bench that derives
// from it keeps its DVRs running until all it built has gone, and no relay
// switch-off outlives them. GUI thread.
class TestDvrGroups {
public:
    TestDvrGroups();
    ~TestDvrGroups();
    TestDvrGroups(const TestDvrGroups&) = delete;
    TestDvrGroups& operator=(const TestDvrGroups&) = delete;

    // The tree the groups go into; its own groups are taken out.
    void setTree(CDVRListTree* tree);
    // A running test DVR of that many channels; its record carries the name
    // and the channel mask.
    DVR addDvr(const QString& name, bool oldProtocol, int channels = 16, quint32 mask = 0xFFFF);
    // The record of one of these DVRs under its guest account, which may
    // watch but not steer the cameras (TestDvr::setGuest).
    DVR asGuest(const DVR& record);
    // A top-level tree item holding the group, with one child per DVR.
    void addGroup(const QString& name, const QList<DVR>& dvrs);
    // The operator changes DVR item i of the group (the first when none is
    // given) in the tree's edit dialog and clicks OK.
    void edit(int i, const std::function<void(DVR&)>& change, int group = 0);
    // What a double click on the group (or on one of its DVRs) emits.
    void connectGroup(int group, int dvrIndex = -1);
    TestDvr& dvr(int i) { return *m_dvrs.at(size_t(i)); }
    const TestDvr& dvr(int i) const { return *m_dvrs.at(size_t(i)); }
    int dvrCount() const { return int(m_dvrs.size()); }

    // The operator right-clicks the tree's item, as the platform reports it
    // (the button's press, the context menu, the release), and chooses the
    // menu entry of that text, or closes the menu unused when none is
    // given. False when no menu of the tree opened.
    static bool rightClick(CDVRListTree* tree, QTreeWidgetItem* item, const QString& entry = QString());
    // Every controller of the list has video flowing and a client id.
    static bool connected(const CConnectionList& connections);
    // The channels the running video stream of that id carries; all bits
    // set when none runs.
    static quint32 streamedChannels(const TestDvr& dvr, int stream);

private:
    std::vector<std::unique_ptr<TestDvr>> m_dvrs;
    CDVRListTree* m_tree = nullptr;
};
