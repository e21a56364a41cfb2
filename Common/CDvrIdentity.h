#pragma once

#include "ProtoBuf/DVRList.pb.h"

// What makes two directory records one DVR: its address and port. The name,
// the credentials and the channel choice may change with an edit in the
// tree, and a stream may reconnect under a new client id; commands, pending
// switch-offs and the pages that show a DVR's values still name the same
// DVR. No state.
class CDvrIdentity {
public:
    static bool same(const DVR& a, const DVR& b);
    // Links opened with either record reach the DVR and stream alike: the
    // records' values differ at most in the DVR's and its cameras' names. A
    // field the links come to read must be compared here.
    static bool streamsAlike(const DVR& a, const DVR& b);
    // The records hold the same values, the names too. A field left unset
    // reads as its default, as the same default set does: a list file
    // leaves defaults unset, the tree's edit dialog sets them. Every field
    // of the record must be compared here.
    static bool equal(const DVR& a, const DVR& b);
};
