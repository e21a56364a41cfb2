#pragma once

#include <QList>
#include <QPointer>

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

    // The screens a button's layout shows: their count and the first.
    struct Layout {
        int screens = 0;
        int start = 0;
    };
    static Layout layoutOf(const QPushButton* button);

    void collect(const QWidget* singleGroup, const QWidget* multiGroup, const QWidget* pageGroup);

    const QList<QPushButton*>& single() const { return m_single; }
    const QList<QPushButton*>& multi() const { return m_multi; }
    const QList<QPushButton*>& page() const { return m_page; }

    void uncheckSingleAndMulti();
    void uncheckPages();
    // Checks the button alone among the buttons of its kind (the one-DVR
    // layouts count as one kind).
    void checkAlone(QPushButton* button);

    // A double click: the layout of several screens that it leaves is
    // remembered, so that the next double click can check its button again.
    void rememberChecked(bool oneDvrLayouts);
    void checkRemembered();
    void checkSingle(int channel);

private:
    QList<QPushButton*> m_single;
    QList<QPushButton*> m_multi;
    QList<QPushButton*> m_page;
    QPointer<QPushButton> m_remembered;
};
