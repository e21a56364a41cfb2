#pragma once

#include <QWidget>
#include <memory>

class QTextEdit;

namespace Ui {
class CLogWidget;
}

// The log tab of the DVR information window: one read-only text that the
// information tab fills with the DVR's system log.
class CLogWidget : public QWidget {
    Q_OBJECT

public:
    explicit CLogWidget(QWidget* parent = nullptr);
    ~CLogWidget() override;

    // Empties the log text and hands it out for the next read to fill.
    QTextEdit* getDisplayWidget() const;

    // The log is the DVR's own text; nothing to translate.
    virtual void languageChange() { }

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CLogWidget> m_ui;
};
