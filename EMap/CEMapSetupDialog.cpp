#include "CEMapSetupDialog.h"

CEMapSetupDialog::CEMapSetupDialog(QWidget* parent)
    : QDialog(parent)
{
}

CEMapSetupDialog::~CEMapSetupDialog() = default;
