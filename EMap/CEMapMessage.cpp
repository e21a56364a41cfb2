#include "CEMapMessage.h"

#include "Common/CPlainMessageBox.h"

#include <QMessageBox>

QMessageBox* CEMapMessage::show(const QString& text)
{
    auto* box = new CPlainMessageBox(QMessageBox::Information, QString(), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    return box;
}
