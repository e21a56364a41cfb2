#pragma once

// The "ALL" entry of a setup page: shown and edited like a channel, and
// spread over every channel when the part is taken while it is shown. So
// that looking at "ALL" changes nothing, it spreads only after the operator
// edited it while it was shown since the part was last loaded.
class CAllChannelsEdit {
public:
    // At every load of the part.
    void reset() { m_edited = false; }
    // At every edit of the shown entry.
    void noteEdit(bool allShown) { m_edited = m_edited || allShown; }
    bool spreads(bool allShown) const { return allShown && m_edited; }

private:
    bool m_edited = false;
};
