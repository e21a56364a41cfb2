#include "COrderedCommands.h"

#include "Connection/CApplicationSender.h"
#include "Connection/CSendCommand.h"

#include <QCoreApplication>
#include <QPointer>

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

QString COrderedCommands::lineOf(const DVR& dvr)
{
    return QString::fromStdString(dvr.address()) + QLatin1Char(':') + QString::number(dvr.port());
}

void COrderedCommands::send(const DVR& dvr, const QString& query, Kind kind)
{
    if (query.isEmpty())
        return;
    const QString line = lineOf(dvr);
    const auto busy = m_waiting.find(line);
    if (busy == m_waiting.end())
        start(line, {dvr, query});
    else if (kind == Kind::Once)
        busy->append({dvr, query});
}

bool COrderedCommands::start(const QString& line, const Command& command)
{
    QPointer<COrderedCommands> self(this);
    const bool sent = CApplicationSender::instance().send(command.dvr, command.query, [self, line](bool) {
        if (self)
            self->next(line);
    });
    if (sent && !m_waiting.contains(line))
        m_waiting.insert(line, {});
    return sent;
}

void COrderedCommands::next(const QString& line)
{
    QList<Command>& waiting = m_waiting[line];
    while (!waiting.isEmpty()) {
        const Command command = waiting.takeFirst();
        if (start(line, command))
            return;
    }
    m_waiting.remove(line);
}
