#pragma once

#include <QString>

class QMessageBox;

// A message of the E-Map to the operator: a modal box that does not block
// its caller, so that a drop, a drag or a save in progress completes first.
class CEMapMessage {
public:
    static QMessageBox* show(const QString& text);
};
