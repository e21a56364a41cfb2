#pragma once

#include <QString>
#include <functional>

// Runs `check` where a folder and its files are read-only for the code
// under test. As root permissions do not bind, so it then runs in a child
// that has dropped to an unprivileged user; the result comes back as the
// child's exit code. True when check() returned true.
bool withReadOnlyFolder(const QString& folder, const std::function<bool()>& check);
