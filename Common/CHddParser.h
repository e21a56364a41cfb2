#pragma once

#include <string>
#include <vector>

// Reads one hard-disk line of an old-dialect information page, such as
// "HDD1 : used 120MB - free 880MB".
class CHddParser {
public:
    // Empties the result, then looks for the first hard-disk entry in the
    // line; on a match the result holds the disk number, the used MB and the
    // free MB, as the texts that stood in the line.
    void parse(const std::string& line);

    std::vector<std::string>& getResult() { return m_result; }

private:
    std::vector<std::string> m_result;
};
