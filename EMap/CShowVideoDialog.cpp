#include "CShowVideoDialog.h"

#include "Display/CScreen.h"

#include <QResizeEvent>

CShowVideoDialog::CShowVideoDialog(QWidget* parent)
    : QDialog(parent)
    , m_screen(std::make_unique<CScreen>(this, openGLModeSetting(), 1))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MIN_WIDTH, MIN_HEIGHT);
    resize(MIN_WIDTH, MIN_HEIGHT);
    fill(QSize(MIN_WIDTH, MIN_HEIGHT));
    m_screen->clear();
}

CShowVideoDialog::~CShowVideoDialog() = default;

void CShowVideoDialog::setDisplayInfo(const CDisplayInfo& info)
{
    m_screen->setInfo(0, info);
}

void CShowVideoDialog::fill(const QSize& size)
{
    m_screen->updateDisplayRect(0, QRect(QPoint(0, 0), size));
    m_screen->resize(size);
}

void CShowVideoDialog::resizeEvent(QResizeEvent* event)
{
    fill(event->size());
    QDialog::resizeEvent(event);
}

void CShowVideoDialog::closeEvent(QCloseEvent* event)
{
    tellClosed();
    QDialog::closeEvent(event);
}

void CShowVideoDialog::done(int result)
{
    tellClosed();
    QDialog::done(result);
}

void CShowVideoDialog::tellClosed()
{
    if (m_closeTold)
        return;
    m_closeTold = true;
    emit closeVideo();
}
