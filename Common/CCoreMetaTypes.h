#pragma once

// Makes the directory records ("DVR", "Group") and a DVR's identity
// ("cgi::DvrInfo") known to the meta-type system by those names, so that tree
// items can hold whole records and queued signals can carry them. Start-up
// calls it once, before any such signal is connected.
class CCoreMetaTypes {
public:
    static void registerTypes();
};
