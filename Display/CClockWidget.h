#pragma once

#include <QBasicTimer>
#include <QWidget>

class QLabel;

// The clock of the main window's menu column: a date line over a time line,
// refreshed every second. Its timeout() is also the main window's one-second
// tick.
class CClockWidget : public QWidget {
    Q_OBJECT

public:
    static const QString DATE_FORMAT;
    static const QString TIME_FORMAT;

    explicit CClockWidget(QWidget* parent = nullptr);
    ~CClockWidget() override;

    QString dateText() const;
    QString timeText() const;

    // Shows the given local date and time.
    void showDateTime(const QDateTime& now);

signals:
    void timeout();

public slots:
    void updateTime();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void createWidgets();

    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QBasicTimer m_timer;
};
