#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CProgressDialog;
}

// Follows a firmware upload in percent and offers "Abort". The bar keeps its
// last value between uploads.
class CProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit CProgressDialog(QWidget* parent = nullptr);
    ~CProgressDialog() override;

public slots:
    void Progress(qint64 bytesSent, qint64 bytesTotal);

signals:
    void Aborted();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CProgressDialog> m_ui;
    qint64 m_shown = 0;
};
