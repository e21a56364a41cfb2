#include "ViewerBench.h"

#include "Connection/CConnectDVR.h"
#include "Connection/CDVRListTree.h"
#include "Connection/CStopRequest.h"
#include "Display/CDisplayWidget.h"
#include "Display/CScreen.h"
#include "TestDvrChannelSelect.h"
#include "TestDvrStreams.h"
#include "viewer/Viewer.h"

#include <QPushButton>
#include <QTest>

namespace {

const int STOP_TIME_LIMIT_MS = 15000;
const int FRAMES_TIME_LIMIT_MS = 5000;

} // namespace

bool ViewerBench::Selection::operator==(const Selection& other) const
{
    return stream == other.stream && channels == other.channels && mode == other.mode && autoStream == other.autoStream;
}

char* toString(const ViewerBench::Selection& selection)
{
    return qstrdup(QStringLiteral("{stream %1, channels %2, mode %3, auto %4}")
                       .arg(selection.stream)
                       .arg(selection.channels, 0, 16)
                       .arg(selection.mode)
                       .arg(selection.autoStream)
                       .toLatin1());
}

ViewerBench::ViewerBench()
    : m_viewer(std::make_unique<Viewer>())
    , m_tree(m_viewer->findChild<CDVRListTree*>())
{
    m_viewer->show();
    if (!QTest::qWaitForWindowExposed(m_viewer.get()))
        qWarning("the main window was not shown");
}

ViewerBench::~ViewerBench()
{
    m_viewer.reset();
    // The DVRs hear the stop requests before they go.
    if (!QTest::qWaitFor([] { return CStopRequest::pending() == 0; }, STOP_TIME_LIMIT_MS))
        qWarning("stop requests were still under way");
}

DVR ViewerBench::addDvr(const QString& name, bool oldProtocol, int channels, quint32 mask)
{
    auto dvr = std::make_unique<TestDvr>();
    TestDvrContent content = TestDvrContent::standard();
    content.dvrInfo.set_ch_num(static_cast<quint32>(channels));
    content.oldModel = channels == 4 ? 19 : channels == 8 ? 20 : 21;
    dvr->setContent(content);
    TestDvrChannelSelect::install(dvr.get());
    if (!dvr->listen())
        qWarning("a test DVR could not listen");
    DVR record = dvr->dvrRecord(oldProtocol);
    record.set_name(name.toStdString());
    record.set_chnum(static_cast<quint32>(channels));
    record.set_bitch(mask);
    m_dvrs.push_back(std::move(dvr));
    return record;
}

void ViewerBench::addGroup(const QString& name, const QList<DVR>& dvrs)
{
    Group group;
    group.set_name(name.toStdString());
    for (const DVR& dvr : dvrs)
        *group.add_dvr() = dvr;
    auto* item = new QTreeWidgetItem(m_tree);
    item->setData(0, Qt::UserRole, QVariant::fromValue(group));
    for (const DVR& dvr : dvrs)
        (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(dvr));
}

void ViewerBench::connectGroup(int group, int dvrIndex)
{
    emit m_tree->groupConnect(*m_tree->topLevelItem(group), group, dvrIndex);
}

CDisplayWidget* ViewerBench::wall() const
{
    return m_viewer->findChild<CDisplayWidget*>();
}

CConnectDVR* ViewerBench::controller(int i) const
{
    return m_viewer->connections().entries().value(i);
}

QPushButton* ViewerBench::button(const char* name) const
{
    return m_viewer->findChild<QPushButton*>(QLatin1String(name));
}

void ViewerBench::click(const char* name)
{
    QPushButton* found = button(name);
    if (!found)
        qFatal("no button %s", name);
    found->click();
}

bool ViewerBench::connected() const
{
    const QList<CConnectDVR*>& entries = m_viewer->connections().entries();
    return !entries.isEmpty() && std::all_of(entries.cbegin(), entries.cend(), [](const CConnectDVR* controller) {
        return !controller || (controller->IsConnected() && controller->getClientID() > 0);
    });
}

bool ViewerBench::framesAfterNow(int i, qint64 frames)
{
    const auto sent = [this, i] {
        qint64 total = 0;
        for (const TestDvrStreams::Record& record : dvr(i).streams()->records())
            total += record.videoFrames;
        return total;
    };
    const qint64 target = sent() + frames;
    return QTest::qWaitFor([&] { return sent() >= target; }, FRAMES_TIME_LIMIT_MS);
}

bool ViewerBench::showsChannels(int count) const
{
    for (int tile = 0; tile < count; ++tile) {
        const CDisplayInfo info = wall()->wall()->getInfo(tile);
        if (info.channel != tile || info.image.isNull())
            return false;
    }
    return true;
}

QList<ViewerBench::Selection> ViewerBench::selections(const TestDvr& dvr)
{
    QList<Selection> found;
    for (const TestDvrRequest& request : dvr.requests()) {
        if (request.kind != TestDvrRequest::Command)
            continue;
        cgi::StreamChannel channels;
        if (request.dialect == TestDvrRequest::NewDialect && request.mode == cgi::MODE_STREAM_CHANNEL
            && channels.ParseFromString(request.data.toStdString())) {
            found << Selection{int(channels.stream_id()), channels.vchmask(), int(channels.mode()),
                channels.has_auto_stream() ? int(channels.auto_stream()) : -1};
            if (channels.achmask() != channels.vchmask())
                found.last().channels = ~0u;
        } else if (request.dialect == TestDvrRequest::OldDialect
            && request.mode == TestDvrChannelSelect::OLD_COMMAND_MODE
            && request.decodedParam("OP").toInt() == TestDvrChannelSelect::OLD_OP_CHANNELS) {
            found << Selection{request.decodedParam("CID").toInt(), request.decodedParam("CH").toUInt(nullptr, 16)};
        }
    }
    return found;
}

ViewerBench::Selection ViewerBench::lastSelection(const TestDvr& dvr, int stream)
{
    const QList<Selection> all = selections(dvr);
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (it->stream == stream)
            return *it;
    }
    return Selection();
}

quint32 ViewerBench::streamedChannels(const TestDvr& dvr, int stream)
{
    for (const TestDvrStreams::Record& record : dvr.streams()->records()) {
        if (record.running && !record.audioStream && record.id == stream)
            return record.videoMask;
    }
    return ~0u;
}
