#pragma once

#include <QString>
#include <functional>

// Runs `check` on this thread where a folder is read-only for the code under
// test, root included: the folder loses its write bits and the thread its
// power to override them for the time of the call. True when check()
// returned true.
bool withReadOnlyFolder(const QString& folder, const std::function<bool()>& check);
