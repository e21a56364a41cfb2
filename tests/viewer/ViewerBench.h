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
    // A channel selection as a DVR received it, for one stream.
    struct Selection {
        int stream = -1;
        quint32 channels = 0;
        int mode = -1; // new dialect: the stream kind
        int autoStream = -1; // new dialect, when sent
        bool operator==(const Selection& other) const;
    };

    ViewerBench();
    ~ViewerBench();
    ViewerBench(const ViewerBench&) = delete;
    ViewerBench& operator=(const ViewerBench&) = delete;

    // A running test DVR that honours channel selections, reporting that
    // many channels; its record carries the name and channel mask.
    DVR addDvr(const QString& name, bool oldProtocol, int channels = 16, quint32 mask = 0xFFFF);
    // A top-level tree item holding the group, with one child per DVR.
    void addGroup(const QString& name, const QList<DVR>& dvrs);
    // What a double click on the group (or one of its DVRs) emits.
    void connectGroup(int group, int dvrIndex = -1);

    TestDvr& dvr(int i) { return *m_dvrs.at(size_t(i)); }
    Viewer& viewer() { return *m_viewer; }
    CDVRListTree* tree() const { return m_tree; }
    CDisplayWidget* wall() const;
    CConnectDVR* controller(int i) const;
    void click(const char* button);
    QPushButton* button(const char* name) const;
    // Every controller of the list has video flowing and the main window
    // has heard so.
    bool connected() const;
    // DVR i streams that many more video frames within the time limit.
    bool framesAfterNow(int i, qint64 frames);
    // The tiles [0, count) show their own channel's pictures.
    bool showsChannels(int count) const;

    // Every channel selection the DVR received, in order.
    static QList<Selection> selections(const TestDvr& dvr);
    // The last one naming the stream; stream -1 when none did.
    static Selection lastSelection(const TestDvr& dvr, int stream);
    // The running video stream of that id carries these channels.
    static quint32 streamedChannels(const TestDvr& dvr, int stream);

private:
    std::vector<std::unique_ptr<TestDvr>> m_dvrs;
    std::unique_ptr<Viewer> m_viewer;
    CDVRListTree* m_tree;
};

char* toString(const ViewerBench::Selection& selection);
