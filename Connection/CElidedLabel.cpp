#include "Connection/CElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

CElidedLabel::CElidedLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QSize CElidedLabel::minimumSizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("...")), QLabel::minimumSizeHint().height());
}

void CElidedLabel::paintEvent(QPaintEvent*)
{
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    setToolTip(shown == text() ? QString() : Qt::convertFromPlainText(text(), Qt::WhiteSpaceNormal));
    QPainter painter(this);
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
        isEnabled(), shown, foregroundRole());
}
