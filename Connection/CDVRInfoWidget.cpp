#include "CDVRInfoWidget.h"

CDVRInfoWidget::CDVRInfoWidget(QWidget* parent)
    : QWidget(parent)
{
}

CDVRInfoWidget::~CDVRInfoWidget() = default;

void CDVRInfoWidget::readData(const DVR&) { }
