#pragma once

// A plain calendar date: the key of per-day search data.
class CDate {
public:
    CDate() = default;
    CDate(int year, int month, int day);

    void setDate(int year, int month, int day);

    bool operator==(const CDate& other) const;
    bool operator!=(const CDate& other) const { return !(*this == other); }
    // By year, then month, then day, for ordered containers.
    bool operator<(const CDate& other) const;

    int year = 1970;
    int month = 1;
    int day = 1;
};
