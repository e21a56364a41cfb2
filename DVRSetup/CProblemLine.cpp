#include "DVRSetup/CProblemLine.h"

#include <QEvent>
#include <QPointer>
#include <QStringList>

namespace {

const int POINT_SIZE = 8;

} // namespace

CProblemLine::CProblemLine(QWidget* parent)
    : QLabel(parent)
{
    QFont small = font();
    small.setPointSize(POINT_SIZE);
    setFont(small);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

QString CProblemLine::textOf(const CCommandAnswer& answer)
{
    switch (answer.outcome()) {
    case CCommandAnswer::Refused:
        return tr("The DVR refused the command: %1").arg(answer.text());
    case CCommandAnswer::Unanswered:
        return tr("The DVR did not answer the command: %1").arg(answer.text());
    case CCommandAnswer::NotSent:
        return tr("The command was not sent: %1").arg(answer.text());
    case CCommandAnswer::Taken:
    case CCommandAnswer::Replaced:
        break;
    }
    return QString();
}

void CProblemLine::tell(const QList<CCommandAnswer>& failures)
{
    m_told = failures;
    word();
}

void CProblemLine::word()
{
    QStringList lines;
    for (const CCommandAnswer& answer : std::as_const(m_told))
        lines << textOf(answer);
    setText(lines.join(QLatin1Char('\n')));
}

void CProblemLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        word();
    QLabel::changeEvent(event);
}

void CProblemLine::follow(CDirectoryEntry::Id entry)
{
    if (entry != m_entry)
        tell({});
    m_entry = entry;
}

CSendCommand::Answered CProblemLine::teller()
{
    // The page, and the line with it, may go before the answer comes.
    return [line = QPointer<CProblemLine>(this), entry = m_entry](const CCommandAnswer& answer) {
        if (!line || line->m_entry != entry)
            return;
        if (answer.failed())
            line->tell({answer});
        else if (answer.outcome() == CCommandAnswer::Taken)
            line->tell({});
    };
}
