#include "CLiveCtrlWidget.h"

CLiveCtrlWidget::CLiveCtrlWidget(QWidget* parent)
    : QWidget(parent)
{
}

CLiveCtrlWidget::~CLiveCtrlWidget() = default;

void CLiveCtrlWidget::setConnectedDVR(const DVR&, int, bool) { }

void CLiveCtrlWidget::setSelectedChannel(int) { }

void CLiveCtrlWidget::setVisiblePictureCtrl(bool) { }

void CLiveCtrlWidget::languageChange() { }

void CLiveCtrlWidget::changeState(bool) { }
