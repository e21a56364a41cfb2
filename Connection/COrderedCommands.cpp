#include "COrderedCommands.h"

#include "Common/CDvrIdentity.h"
#include "Connection/CApplicationSender.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>

namespace {

const char* const INSTANCE_NAME = "qelm_ordered_commands";

} // namespace

COrderedCommands& COrderedCommands::ofApplication()
{
    QCoreApplication* application = QCoreApplication::instance();
    auto* instance
        = application->findChild<COrderedCommands*>(QLatin1String(INSTANCE_NAME), Qt::FindDirectChildrenOnly);
    if (!instance) {
        instance = new COrderedCommands(application);
        instance->setObjectName(QLatin1String(INSTANCE_NAME));
    }
    return *instance;
}

COrderedCommands::COrderedCommands(QObject* parent)
    : QObject(parent)
{
}

COrderedCommands::Line* COrderedCommands::findLine(const DVR& dvr) const
{
    const auto found = std::find_if(m_lines.cbegin(), m_lines.cend(),
        [&dvr](const std::unique_ptr<Line>& line) { return CDvrIdentity::same(line->record, dvr); });
    return found == m_lines.cend() ? nullptr : found->get();
}

COrderedCommands::Line& COrderedCommands::lineOf(const DVR& dvr)
{
    if (Line* line = findLine(dvr))
        return *line;
    // Lines stay: a DVR's record outlives its commands, for a switch-off
    // that is due later.
    m_lines.push_back(std::make_unique<Line>());
    m_lines.back()->record = dvr;
    return *m_lines.back();
}

void COrderedCommands::know(const DVR& record, std::optional<int> clientId)
{
    if (Line* line = findLine(record)) {
        line->record = record;
        line->clientId = clientId.value_or(line->clientId);
    }
    emit known(record);
}

void COrderedCommands::send(const DVR& record, int clientId, Command command)
{
    Line& line = lineOf(record);
    line.record = record;
    line.clientId = clientId;
    queue(line, std::move(command));
}

void COrderedCommands::send(const DVR& dvr, Command command)
{
    queue(lineOf(dvr), std::move(command));
}

void COrderedCommands::queue(Line& line, Command command)
{
    Entry entry{++m_lastSerial, std::move(command)};
    if (entry.command.repeat && (!line.onItsWay.empty() || !line.waiting.empty())) {
        tellLater(std::move(entry), CCommandAnswer::replaced());
        return;
    }
    const Kind kind = entry.command.kind;
    for (auto waiting = line.waiting.begin(); waiting != line.waiting.end();) {
        if (waiting->command.kind == kind) {
            tellLater(std::move(*waiting), CCommandAnswer::replaced());
            waiting = line.waiting.erase(waiting);
        } else {
            ++waiting;
        }
    }
    line.waiting.push_back(std::move(entry));
    pump(line);
}

void COrderedCommands::pump(Line& line)
{
    while (line.onItsWay.empty() && !line.waiting.empty()) {
        Entry next = std::move(line.waiting.front());
        line.waiting.pop_front();
        start(line, std::move(next));
    }
}

void COrderedCommands::start(Line& line, Entry entry)
{
    const QString query = entry.command.query(line.record, line.clientId);
    const quint64 serial = entry.serial;
    // The application's sender may outlive this object.
    const QPointer<COrderedCommands> self(this);
    if (query.isEmpty()
        || !CApplicationSender::instance().send(line.record, query, [self, serial](const CCommandAnswer& answer) {
               if (self)
                   self->onAnswer(serial, answer);
           })) {
        const CCommandAnswer answer = CCommandAnswer::notSent(tr("The DVR cannot take this command."));
        log(line, entry.command, answer.text());
        tellLater(std::move(entry), answer);
        return;
    }
    line.onItsWay.push_back(std::move(entry));
}

void COrderedCommands::onAnswer(quint64 serial, const CCommandAnswer& answer)
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        const auto found = std::find_if(line->onItsWay.begin(), line->onItsWay.end(),
            [serial](const Entry& entry) { return entry.serial == serial; });
        if (found == line->onItsWay.end())
            continue;
        Entry done = std::move(*found);
        line->onItsWay.erase(found);
        if (answer.outcome() == CCommandAnswer::Refused)
            log(*line, done.command, QStringLiteral("refused: ") + answer.text());
        else if (answer.outcome() == CCommandAnswer::Unanswered)
            log(*line, done.command, QStringLiteral("not answered: ") + answer.text());
        pump(*line);
        if (done.command.answered)
            done.command.answered(answer);
        return;
    }
}

void COrderedCommands::tellLater(Entry entry, const CCommandAnswer& answer)
{
    if (!entry.command.answered)
        return;
    QMetaObject::invokeMethod(
        this, [answered = std::move(entry.command.answered), answer] { answered(answer); }, Qt::QueuedConnection);
}

bool COrderedCommands::isBusy() const
{
    return std::any_of(m_lines.cbegin(), m_lines.cend(),
        [](const std::unique_ptr<Line>& line) { return !line->onItsWay.empty() || !line->waiting.empty(); });
}

void COrderedCommands::sendEndingNow()
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        std::deque<Entry> rest;
        for (Entry& entry : line->waiting) {
            if (entry.command.ending)
                start(*line, std::move(entry));
            else
                rest.push_back(std::move(entry));
        }
        line->waiting = std::move(rest);
    }
}

void COrderedCommands::reportUnfinished() const
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        for (const Entry& entry : line->onItsWay)
            log(*line, entry.command, QStringLiteral("not answered before the program ended"));
        for (const Entry& entry : line->waiting)
            log(*line, entry.command, QStringLiteral("not sent before the program ended"));
    }
}

void COrderedCommands::log(const Line& line, const Command& command, const QString& what)
{
    qWarning("[ERROR] %s to DVR \"%s\" (%s:%u): %s", qPrintable(command.what), line.record.name().c_str(),
        line.record.address().c_str(), line.record.port(), qPrintable(what));
}
