#pragma once

#include <QCoreApplication>
#include <QLatin1String>

// The one object of type T that lives and goes with the application object,
// made by `make(application)` the first time it is asked for. Keeping it as
// the application's named child rather than a static means that it ends
// before the application does, and that a test's next application gets a
// fresh one. GUI thread; an application object must exist.
template <typename T, typename Make> T& applicationInstance(const char* name, Make make)
{
    QCoreApplication* application = QCoreApplication::instance();
    T* instance = application->findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (!instance) {
        instance = make(application);
        instance->setObjectName(QLatin1String(name));
    }
    return *instance;
}
