#include "Recording/CPanelMessage.h"

#include "Common/CPlainMessageBox.h"

#include <QMessageBox>

void CPanelMessage::show(QWidget* parent, const QString& text)
{
    auto* box = new CPlainMessageBox(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
