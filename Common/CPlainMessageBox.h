#pragma once

#include <QMessageBox>

// A message box that shows its text as it stands, never read as markup: the
// program's messages name files, DVRs, cameras and maps, and carry what a
// DVR replied, any of which may hold '<' or '&'. The helpers are
// QMessageBox's own with that text format: they wait for the operator and
// return the button chosen. GUI thread only.
class CPlainMessageBox : public QMessageBox {
public:
    CPlainMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons = NoButton,
        QWidget* parent = nullptr);

    static StandardButton information(QWidget* parent, const QString& title, const QString& text);
    static StandardButton warning(QWidget* parent, const QString& title, const QString& text);
    static StandardButton question(QWidget* parent, const QString& title, const QString& text, StandardButtons buttons,
        StandardButton defaultButton);

private:
    static StandardButton ask(Icon icon, QWidget* parent, const QString& title, const QString& text,
        StandardButtons buttons, StandardButton defaultButton = NoButton);
};
