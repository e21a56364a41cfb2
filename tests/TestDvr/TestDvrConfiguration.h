#pragma once

#include <QByteArray>

class TestDvr;

// The configuration a DVR holds, as the setup hub sees it: a mode-22 read
// answers it as one packet of type 10, and a mode-9 upload replaces the page
// parts it carries (the identity stays the DVR's own). The read's answer can
// be made faulty: another packet type, or a packet cut short.
class TestDvrConfiguration {
public:
    enum class Reply { Whole, OtherType, CutShort };

    // A whole configuration of the standard content's DVR (model 4, 16
    // channels, NTSC) with every part filled in.
    static QByteArray standard();

    // Installs the read and upload handlers; the held configuration is the
    // content's configuration.
    static void install(TestDvr* dvr, Reply reply = Reply::Whole);

    // Puts each page part that uploaded carries in place of held's; false,
    // with held unchanged, when either is not a configuration.
    static bool replaceParts(QByteArray* held, const QByteArray& uploaded);
};
