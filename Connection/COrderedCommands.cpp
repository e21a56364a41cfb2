#include "COrderedCommands.h"

#include "Common/ApplicationInstance.h"
#include "Common/CDvrIdentity.h"
#include "Common/CNetworkLog.h"
#include "Connection/CApplicationSender.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

namespace {

const char* const INSTANCE_NAME = "qelm_ordered_commands";

} // namespace

COrderedCommands& COrderedCommands::ofApplication()
{
    return applicationInstance<COrderedCommands>(
        INSTANCE_NAME, [](QObject* application) { return new COrderedCommands(application); });
}

COrderedCommands::COrderedCommands(QObject* parent)
    : QObject(parent)
{
}

COrderedCommands::Line* COrderedCommands::findLine(const DVR& dvr) const
{
    const auto found = std::find_if(m_lines.cbegin(), m_lines.cend(),
        [&dvr](const std::unique_ptr<Line>& line) { return CDvrIdentity::same(line->dvr, dvr); });
    return found == m_lines.cend() ? nullptr : found->get();
}

COrderedCommands::Line& COrderedCommands::lineOf(const DVR& dvr)
{
    if (Line* line = findLine(dvr))
        return *line;
    // Lines stay while the directory names their DVR: its entries' records
    // outlive their commands, for a switch-off that is due later.
    m_lines.push_back(std::make_unique<Line>());
    m_lines.back()->dvr = dvr;
    return *m_lines.back();
}

void COrderedCommands::know(CDirectoryEntry::Id entry, const DVR& record, std::optional<int> clientId)
{
    Line& line = lineOf(record);
    Known& held = line.entries[entry];
    held.record = record;
    held.clientId = clientId.value_or(held.clientId);
    line.unlisted = false;
    emit known(record);
}

void COrderedCommands::unlist(const DVR& record)
{
    if (Line* line = findLine(record))
        line->unlisted = true;
    // Their last commands join the line before it may go.
    emit unlisted(record);
    if (const Line* line = findLine(record))
        dropIfDone(*line);
}

void COrderedCommands::handOver(
    CDirectoryEntry::Id entry, const DVR& record, CDirectoryEntry::Id heir, const DVR& heirRecord)
{
    // Nothing was ever given to a DVR that has no line.
    Line* line = findLine(record);
    if (!line)
        return;
    const Known& known = line->entries.try_emplace(heir, Known{heirRecord, 0}).first->second;
    emit handedOver(entry, record, Giver{heir, known.record, known.clientId});
}

void COrderedCommands::send(const Giver& giver, Command command)
{
    Line& line = lineOf(giver.record);
    line.entries.try_emplace(giver.entry, Known{giver.record, giver.clientId});
    queue(line, Queued{++m_lastSerial, giver.entry, std::move(command)});
}

void COrderedCommands::queue(Line& line, Queued queued)
{
    if (queued.command.repeat && (!line.onItsWay.empty() || !line.waiting.empty())) {
        drop(line, std::move(queued), QStringLiteral("a command before it is not answered yet"), false);
        return;
    }
    if (queued.command.act)
        makeRoomForAct(line, queued);
    else
        replaceWaiting(line, queued);
    line.waiting.push_back(std::move(queued));
    pump(line);
    dropIfDone(line);
}

void COrderedCommands::replaceWaiting(Line& line, const Queued& newer)
{
    // At most one command of a kind and entry waits after its kind's last
    // act. Another entry's command never takes its place: one entry's stop
    // replaced by another's move, which the DVR may refuse to that entry's
    // account, would leave the camera moving.
    for (auto waiting = line.waiting.end(); waiting != line.waiting.begin();) {
        --waiting;
        if (!(waiting->command.kind == newer.command.kind))
            continue;
        if (waiting->command.act)
            return;
        if (waiting->entry != newer.entry)
            continue;
        Queued replaced = std::move(*waiting);
        line.waiting.erase(waiting);
        const bool changesTheEnd = replaced.command.ending && !newer.command.ending;
        drop(line, std::move(replaced), QStringLiteral("replaced by ") + newer.command.what, changesTheEnd);
        return;
    }
}

void COrderedCommands::makeRoomForAct(Line& line, const Queued& newer)
{
    const auto isAct = [&newer](const Queued& queued) {
        return queued.command.act && queued.command.kind == newer.command.kind && queued.entry == newer.entry;
    };
    if (std::count_if(line.waiting.cbegin(), line.waiting.cend(), isAct) < MAX_WAITING_ACTS)
        return;
    const auto oldest = std::find_if(line.waiting.begin(), line.waiting.end(), isAct);
    Queued dropped = std::move(*oldest);
    line.waiting.erase(oldest);
    drop(line, std::move(dropped), QStringLiteral("too many acts wait"), true);
}

void COrderedCommands::drop(const Line& line, Queued queued, const QString& why, bool changesTheEnd)
{
    const QString text = describe(line, queued, QStringLiteral("not sent: ") + why);
    if (changesTheEnd)
        qWarning("[ERROR] %s", qPrintable(text));
    else
        qCDebug(lcDvrNetwork, "%s", qPrintable(text));
    tellLater(std::move(queued), CCommandAnswer::replaced());
}

void COrderedCommands::pump(Line& line)
{
    while (line.onItsWay.empty() && !line.waiting.empty()) {
        Queued next = std::move(line.waiting.front());
        line.waiting.pop_front();
        start(line, std::move(next));
    }
}

void COrderedCommands::start(Line& line, Queued queued)
{
    const Known& giver = line.entries.at(queued.entry);
    const QString query = queued.command.query(giver.record, giver.clientId);
    const quint64 serial = queued.serial;
    // The application's sender may outlive this object.
    const QPointer<COrderedCommands> self(this);
    if (query.isEmpty()
        || !CApplicationSender::instance().send(giver.record, query, [self, serial](const CCommandAnswer& answer) {
               if (self)
                   self->onAnswer(serial, answer);
           })) {
        const CCommandAnswer answer = CCommandAnswer::notSent(
            "COrderedCommands", QT_TRANSLATE_NOOP("COrderedCommands", "The DVR cannot take this command."));
        log(line, queued, answer.text());
        tellLater(std::move(queued), answer);
        return;
    }
    line.onItsWay.push_back(std::move(queued));
}

void COrderedCommands::onAnswer(quint64 serial, const CCommandAnswer& answer)
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        const auto found = std::find_if(line->onItsWay.begin(), line->onItsWay.end(),
            [serial](const Queued& queued) { return queued.serial == serial; });
        if (found == line->onItsWay.end())
            continue;
        Queued done = std::move(*found);
        line->onItsWay.erase(found);
        if (answer.outcome() == CCommandAnswer::Refused)
            log(*line, done, QStringLiteral("refused: ") + answer.text());
        else if (answer.outcome() == CCommandAnswer::Unanswered)
            log(*line, done, QStringLiteral("not answered: ") + answer.text());
        pump(*line);
        dropIfDone(*line);
        if (done.command.answered)
            done.command.answered(answer);
        return;
    }
}

void COrderedCommands::dropIfDone(const Line& line)
{
    if (!line.unlisted || !line.onItsWay.empty() || !line.waiting.empty())
        return;
    m_lines.erase(std::find_if(
        m_lines.begin(), m_lines.end(), [&line](const std::unique_ptr<Line>& held) { return held.get() == &line; }));
}

void COrderedCommands::tellLater(Queued queued, const CCommandAnswer& answer)
{
    if (!queued.command.answered)
        return;
    QMetaObject::invokeMethod(
        this, [answered = std::move(queued.command.answered), answer] { answered(answer); }, Qt::QueuedConnection);
}

bool COrderedCommands::isBusy() const
{
    return std::any_of(m_lines.cbegin(), m_lines.cend(),
        [](const std::unique_ptr<Line>& line) { return !line->onItsWay.empty() || !line->waiting.empty(); });
}

void COrderedCommands::sendEndingNow()
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        std::deque<Queued> rest;
        for (Queued& queued : line->waiting) {
            if (queued.command.ending)
                start(*line, std::move(queued));
            else
                rest.push_back(std::move(queued));
        }
        line->waiting = std::move(rest);
    }
}

void COrderedCommands::reportUnfinished() const
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        for (const Queued& queued : line->onItsWay)
            log(*line, queued, QStringLiteral("not answered before the program ended"));
        for (const Queued& queued : line->waiting)
            log(*line, queued, QStringLiteral("not sent before the program ended"));
    }
}

void COrderedCommands::log(const Line& line, const Queued& queued, const QString& what)
{
    qWarning("[ERROR] %s", qPrintable(describe(line, queued, what)));
}

QString COrderedCommands::describe(const Line& line, const Queued& queued, const QString& what)
{
    const DVR& record = line.entries.at(queued.entry).record;
    return QStringLiteral("%1 to DVR \"%2\" (%3:%4): %5")
        .arg(queued.command.what, QString::fromStdString(record.name()), QString::fromStdString(record.address()))
        .arg(record.port())
        .arg(what);
}
