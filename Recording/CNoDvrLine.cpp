#include "Recording/CNoDvrLine.h"

#include <QEvent>

CNoDvrLine::CNoDvrLine(QWidget* page)
    : QLabel(page)
{
    setObjectName(QStringLiteral("NoDvrLine"));
    // The text is the program's own; nothing in it is markup.
    setTextFormat(Qt::PlainText);
    retranslate();
}

void CNoDvrLine::retranslate()
{
    // Its page gives it its place; the text takes what it needs of it.
    setText(tr("No DVR to search: double-click a DVR in the list."));
}

void CNoDvrLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLabel::changeEvent(event);
}
