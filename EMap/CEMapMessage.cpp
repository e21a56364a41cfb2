#include "CEMapMessage.h"

#include <QMessageBox>

QMessageBox* CEMapMessage::show(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, QString(), text, QMessageBox::Ok);
    // Map names and file paths, shown as they stand.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return box;
}
