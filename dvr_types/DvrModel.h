#pragma once

// A DVR model number known to the model table. Only numbers that passed
// IsValid(int) may be turned into a DvrModel: numbers reported by a DVR are
// checked first and normalised by the caller.
class DvrModel {
public:
    explicit DvrModel(int t);

    static bool IsValid(int t);
    bool IsValid() const { return IsValid(m_value); }

    operator int() const { return m_value; }

private:
    int m_value;
};
