#include "CSetupWidget.h"

CSetupWidget::CSetupWidget(QWidget* parent)
    : QWidget(parent)
{
}

CSetupWidget::~CSetupWidget() = default;

void CSetupWidget::Init() { }

void CSetupWidget::readData(const DVR&, int, config::VideoType) { }

void CSetupWidget::OnOpenFiles() { }

void CSetupWidget::OnSaveFiles() { }

void CSetupWidget::OnSetupModel() { }

void CSetupWidget::OnLoadDefault() { }

void CSetupWidget::OnReload() { }

void CSetupWidget::OnSend() { }

void CSetupWidget::OnSendAll() { }

void CSetupWidget::OnUpgrade() { }

void CSetupWidget::OnDateTime() { }

void CSetupWidget::OnResetDVR() { }
