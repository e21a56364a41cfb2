#include "CEMapWidget.h"

CEMapWidget::CEMapWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

CEMapWidget::~CEMapWidget() = default;

void CEMapWidget::setEditable(bool) { }

void CEMapWidget::updateImageSize() { }

void CEMapWidget::closeVideoWidget() { }

void CEMapWidget::setSelectedEMap(const EMap&) { }

void CEMapWidget::setCameraItem(const DVR&, int) { }
