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

// A channel selection as text, with the stream it names.
QPair<int, QString> selection(const TestDvrRequest& request)
{
    cgi::StreamChannel channels;
    if (request.dialect == TestDvrRequest::NewDialect && channels.ParseFromString(request.data.toStdString())) {
        QString text = QStringLiteral("%1 mode %2").arg(channels.vchmask(), 0, 16).arg(int(channels.mode()));
        if (channels.achmask() != channels.vchmask())
            text += QStringLiteral(" audio %1").arg(channels.achmask(), 0, 16);
        if (channels.has_auto_stream())
            text += QStringLiteral(" auto %1").arg(int(channels.auto_stream()));
        return {int(channels.stream_id()), text};
    }
    return {request.decodedParam("CID").toInt(), QString::fromLatin1(request.decodedParam("CH"))};
}

} // namespace

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
    auto* item = new QTreeWidgetItem(m_tree);
    for (const DVR& dvr : dvrs) {
        *group.add_dvr() = dvr;
        (new QTreeWidgetItem(item))->setData(0, Qt::UserRole, QVariant::fromValue(dvr));
    }
    item->setData(0, Qt::UserRole, QVariant::fromValue(group));
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

void ViewerBench::act(const QString& actions)
{
    for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (action == QLatin1String("step"))
            wall()->switchChannel();
        else
            button(action.toLatin1().constData())->click();
    }
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

QString ViewerBench::lastSelection(const TestDvr& dvr, int stream)
{
    QString last;
    for (const TestDvrRequest& request :
        commands(dvr, cgi::MODE_STREAM_CHANNEL, TestDvrChannelSelect::OLD_OP_CHANNELS)) {
        const auto [named, text] = selection(request);
        if (named == stream)
            last = text;
    }
    return last;
}

int ViewerBench::selectionCount(const TestDvr& dvr)
{
    return int(commands(dvr, cgi::MODE_STREAM_CHANNEL, TestDvrChannelSelect::OLD_OP_CHANNELS).size());
}

quint32 ViewerBench::streamedChannels(const TestDvr& dvr, int stream)
{
    for (const TestDvrStreams::Record& record : dvr.streams()->records()) {
        if (record.running && !record.audioStream && record.id == stream)
            return record.videoMask;
    }
    return ~0u;
}

QList<TestDvrRequest> ViewerBench::commands(const TestDvr& dvr, int newMode, int oldOp)
{
    QList<TestDvrRequest> found;
    for (const TestDvrRequest& request : dvr.requests()) {
        const bool isNew = request.dialect == TestDvrRequest::NewDialect;
        if (request.kind == TestDvrRequest::Command
            && (isNew ? request.mode == newMode
                      : request.mode == TestDvrChannelSelect::OLD_COMMAND_MODE
                        && request.decodedParam("OP").toInt() == oldOp))
            found << request;
    }
    return found;
}
