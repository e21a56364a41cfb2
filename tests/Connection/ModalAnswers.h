#pragma once

#include "ShownText.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers the modal dialogs that code under test runs, as an operator
// would: an input dialog with the next answer (a null text cancels it), a
// file dialog with the next file (none or an empty one cancels it), a
// message box by closing it (its text kept as the operator reads it), any other dialog by answerDialog when one is
// given. What they showed is kept.
class ModalAnswers {
public:
    ModalAnswers()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start(10);
    }

    QStringList answers;
    QStringList files;
    QStringList asked; // "title|label|initial text" of each input dialog
    QStringList messages;
    QStringList dialogs; // the class of each file dialog and other dialog answered
    std::function<void(QDialog*)> answerDialog;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            asked << QStringList{input->windowTitle(), input->labelText(), input->textValue()}.join('|');
            const QString text = answers.isEmpty() ? QString() : answers.takeFirst();
            input->setTextValue(text);
            text.isNull() ? input->reject() : input->accept();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialogs << dialog->metaObject()->className();
            const QString file = files.isEmpty() ? QString() : files.takeFirst();
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << shownText(*box);
            box->close();
        } else if (auto* other = qobject_cast<QDialog*>(modal); other && answerDialog && other != m_answered) {
            m_answered = other;
            dialogs << other->metaObject()->className();
            answerDialog(other);
        }
    }

    QTimer m_timer;
    QPointer<QDialog> m_answered;
};
