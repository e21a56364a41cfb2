#include "CPCSetupDialog.h"

CPCSetupDialog::CPCSetupDialog(QWidget* parent)
    : QDialog(parent)
{
    setModal(true);
}

CPCSetupDialog::~CPCSetupDialog() = default;

void CPCSetupDialog::loadSettings() { }

void CPCSetupDialog::saveSettings()
{
    accept();
}
