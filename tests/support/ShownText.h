#pragma once

#include <QString>
#include <QTextDocument>

// What a text given as markup (a tool tip) shows the operator.
inline QString shownText(const QString& markup)
{
    QTextDocument document;
    document.setHtml(markup);
    return document.toPlainText();
}
