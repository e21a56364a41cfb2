#pragma once

#include <QCoreApplication>
#include <QLatin1String>

// The object of type T that applicationInstance made under that name, if it
// did; none also with no application object. Makes nothing.
template <typename T> T* madeApplicationInstance(const char* name)
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application ? application->findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly) : nullptr;
}

// The one object of type T that lives and goes with the application object,
// made by `make(application)` the first time it is asked for. Keeping it as
// the application's named child rather than a static means that it ends
// before the application does, and that a test's next application gets a
// fresh one. GUI thread; an application object must exist.
template <typename T, typename Make> T& applicationInstance(const char* name, Make make)
{
    T* instance = madeApplicationInstance<T>(name);
    if (!instance) {
        instance = make(QCoreApplication::instance());
        instance->setObjectName(QLatin1String(name));
    }
    return *instance;
}
