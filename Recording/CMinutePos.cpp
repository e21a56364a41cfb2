#include "Recording/CMinutePos.h"

#include "Recording/TimeLineImage.h"

#include <QPainter>

CMinutePos::CMinutePos(QWidget* parent)
    : QWidget(parent)
    , m_image(TimeLineImage::minuteCursor())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(m_image.size());
    hide();
}

void CMinutePos::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_image);
}
