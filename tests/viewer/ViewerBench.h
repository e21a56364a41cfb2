#pragma once

#include "ProtoBuf/GroupList.pb.h"
#include "TestDvr.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class CConnectDVR;
class CDVRListTree;
class CDisplayWidget;
class QPushButton;
class Viewer;

// A main window with groups of test DVRs in its DVR tree, driven as the
// operator and the tree drive it.
class ViewerBench {
public:
    ViewerBench();
    ~ViewerBench();
    ViewerBench(const ViewerBench&) = delete;
    ViewerBench& operator=(const ViewerBench&) = delete;

    // A running test DVR of that many channels that honours channel
    // selections; its record carries the name and the channel mask.
    DVR addDvr(const QString& name, bool oldProtocol, int channels = 16, quint32 mask = 0xFFFF);
    // A top-level tree item holding the group, with one child per DVR.
    void addGroup(const QString& name, const QList<DVR>& dvrs);
    // What a double click on the group (or on one of its DVRs) emits.
    void connectGroup(int group, int dvrIndex = -1);

    TestDvr& dvr(int i) { return *m_dvrs.at(size_t(i)); }
    Viewer& viewer() { return *m_viewer; }
    CDVRListTree* tree() const { return m_tree; }
    CDisplayWidget* wall() const;
    CConnectDVR* controller(int i) const;
    QPushButton* button(const char* name) const;
    // Clicks each button named, or "step" for a step of the sequence.
    void act(const QString& actions);

    // Every controller has video flowing and the main window heard so.
    bool connected() const;
    // DVR i streams that many more video frames within the time limit.
    bool framesAfterNow(int i, qint64 frames);
    // The tiles [0, count) show their own channel's pictures.
    bool showsChannels(int count) const;

    // The last channel selection naming the stream: "<mask>" in hex, for
    // the new dialect "<mask> mode <m>" and " auto <a>" when sent; empty
    // when none came.
    static QString lastSelection(const TestDvr& dvr, int stream);
    static int selectionCount(const TestDvr& dvr);
    // The channels the running video stream of that id carries.
    static quint32 streamedChannels(const TestDvr& dvr, int stream);
    // Commands of a kind: new dialect by mode, old dialect by OP of MODE 5.
    static QList<TestDvrRequest> commands(const TestDvr& dvr, int newMode, int oldOp);

private:
    std::vector<std::unique_ptr<TestDvr>> m_dvrs;
    std::unique_ptr<Viewer> m_viewer;
    CDVRListTree* m_tree;
};
