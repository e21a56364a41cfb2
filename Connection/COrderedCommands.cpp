#include "COrderedCommands.h"

#include "Common/CDvrIdentity.h"
#include "Connection/CApplicationSender.h"
#include "Connection/CSendCommand.h"

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

COrderedCommands::Lines::iterator COrderedCommands::lineOf(const DVR& dvr)
{
    return std::find_if(
        m_lines.begin(), m_lines.end(), [&dvr](const Line& line) { return CDvrIdentity::same(line.dvr, dvr); });
}

void COrderedCommands::send(const DVR& dvr, const QString& query, Kind kind)
{
    if (query.isEmpty())
        return;
    const auto busy = lineOf(dvr);
    if (busy != m_lines.end()) {
        if (kind == Kind::Once)
            busy->waiting.append({dvr, query});
    } else if (start({dvr, query})) {
        m_lines.push_back({dvr, {}});
    }
}

bool COrderedCommands::start(const Command& command)
{
    QPointer<COrderedCommands> self(this);
    return CApplicationSender::instance().send(command.dvr, command.query, [self, dvr = command.dvr](bool) {
        if (self)
            self->next(dvr);
    });
}

void COrderedCommands::next(const DVR& dvr)
{
    const auto line = lineOf(dvr);
    if (line == m_lines.end())
        return;
    while (!line->waiting.isEmpty()) {
        if (start(line->waiting.takeFirst()))
            return;
    }
    m_lines.erase(line);
}
