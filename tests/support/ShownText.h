#pragma once

#include <QMessageBox>
#include <QString>
#include <QTextDocument>

// What a text given as markup (a tool tip) shows the operator.
inline QString shownText(const QString& markup)
{
    QTextDocument document;
    document.setHtml(markup);
    return document.toPlainText();
}

// What a message box shows the operator: its text as it stands only when it
// is plain text; otherwise what any markup in it leaves.
inline QString shownText(const QMessageBox& box)
{
    return box.textFormat() == Qt::PlainText ? box.text() : shownText(box.text());
}
