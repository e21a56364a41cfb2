#include "Recording/CPanelMessage.h"

#include <QMessageBox>

void CPanelMessage::show(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
