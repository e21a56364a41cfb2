#include "Common/CPlainMessageBox.h"

CPlainMessageBox::CPlainMessageBox(
    Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, QString(), buttons, parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

QMessageBox::StandardButton CPlainMessageBox::information(QWidget* parent, const QString& title, const QString& text)
{
    return ask(Information, parent, title, text, Ok);
}

QMessageBox::StandardButton CPlainMessageBox::warning(QWidget* parent, const QString& title, const QString& text)
{
    return ask(Warning, parent, title, text, Ok);
}

QMessageBox::StandardButton CPlainMessageBox::question(
    QWidget* parent, const QString& title, const QString& text, StandardButtons buttons, StandardButton defaultButton)
{
    return ask(Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton CPlainMessageBox::ask(Icon icon, QWidget* parent, const QString& title, const QString& text,
    StandardButtons buttons, StandardButton defaultButton)
{
    CPlainMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return StandardButton(box.exec());
}
