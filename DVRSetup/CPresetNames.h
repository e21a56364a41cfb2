#pragma once

#include <QCoreApplication>

class QComboBox;

// The names of a camera's presets 1 to 99 in the lists of the PTZ and tour
// pages, in the language of the program: a list's position is the preset's
// number less one. GUI thread.
class CPresetNames {
    Q_DECLARE_TR_FUNCTIONS(CPresetNames)

public:
    static constexpr int COUNT = 99;

    // Gives the list the names, its entries made the first time; again on a
    // change of language, the chosen entry stays.
    static void name(QComboBox* list);
};
