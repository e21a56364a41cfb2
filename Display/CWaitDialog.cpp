#include "CWaitDialog.h"

#include "Display/CWaitWidget.h"

#include <QHBoxLayout>
#include <QLabel>

CWaitDialog::CWaitDialog(QWidget* parent)
    : QDialog(parent, Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    auto* box = new QHBoxLayout(this);
    auto* holder = new QWidget(this);
    holder->setFixedSize(50, 50);
    new CWaitWidget(holder);
    box->addWidget(holder);
    box->addWidget(new QLabel(tr("Please wait a minute."), this));
}
