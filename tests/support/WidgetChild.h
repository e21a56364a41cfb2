#pragma once

#include <QLatin1String>
#include <QTabWidget>
#include <QWidget>

// The descendant of that name and type. A form whose object was renamed or
// retyped stops the test here, naming the object, instead of crashing later.
template <typename T = QWidget> T* child(const QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Makes the page of the tabs current that holds the widget, however deep.
inline void showTabOf(QTabWidget& tabs, const QWidget& widget)
{
    for (int page = 0; page < tabs.count(); ++page) {
        if (tabs.widget(page)->isAncestorOf(&widget))
            tabs.setCurrentIndex(page);
    }
}
