#include "Recording/CPanelMessage.h"

#include <QMessageBox>

void CPanelMessage::show(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, QString(), text, QMessageBox::Ok, parent);
    // File paths and DVR texts, shown as they stand.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
