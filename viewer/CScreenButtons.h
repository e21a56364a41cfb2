#pragma once

#include <QList>

class QPushButton;
class QWidget;

// The screen layout buttons of the main window's form, found by their
// names: one channel alone ("Ch" and the channel), layouts of one DVR
// ("Screen", the screen count, "_", the first channel) and page layouts of
// many DVRs ("Screen", K, "x", K). The patterns are regular expressions, so
// the two "Screen" patterns accept any name containing "Scree".
class CScreenButtons {
public:
    static const char SINGLE_PATTERN[];
    static const char MULTI_PATTERN[];
    static const char PAGE_PATTERN[];

    void collect(const QWidget* singleGroup, const QWidget* multiGroup, const QWidget* pageGroup);

    const QList<QPushButton*>& single() const { return m_single; }
    const QList<QPushButton*>& multi() const { return m_multi; }
    const QList<QPushButton*>& page() const { return m_page; }

    void uncheckSingleAndMulti();
    void uncheckPages();

private:
    QList<QPushButton*> m_single;
    QList<QPushButton*> m_multi;
    QList<QPushButton*> m_page;
};
