#pragma once

// When a page's "ALL" entry reaches the channels. The entry stands for every
// channel while the page's channel choice shows "ALL"; taking the page's part
// spreads it over the channels only when the operator changed it during that
// showing. Looking at "ALL" and taking the part changes nothing, and choosing
// a channel before the part is taken leaves the channels as they were.
class CAllEntryEdit {
public:
    // A part was loaded, or the channel choice moved (to a channel or to
    // "ALL" anew): nothing to spread.
    void forget() { m_edited = false; }
    // The operator changed the shown entry; only a change of "ALL" counts.
    void edited(bool allShown) { m_edited = m_edited || allShown; }
    // Whether taking the part spreads "ALL", which must still be shown.
    bool spreads(bool allShown) const { return allShown && m_edited; }

private:
    bool m_edited = false;
};
