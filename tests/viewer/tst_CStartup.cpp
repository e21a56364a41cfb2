#include "viewer/CStartup.h"

#include <QTest>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// The program's memory preparation: big blocks keep coming from the system,
// and so go back to it, after a bigger one was freed.
class tst_CStartup : public QObject {
    Q_OBJECT

private slots:
    void bigBlocksStayMapped();
};

void tst_CStartup::bigBlocksStayMapped()
{
#if !defined(__GLIBC__) || defined(QELM_SANITIZED)
    QSKIP("only glibc's own allocator has the moving bar");
#else
    CStartup::prepareMemory();
    // Freed, a block this big would raise a moving bar above the next one.
    auto* freed = static_cast<volatile char*>(std::malloc(4 << 20));
    QVERIFY(freed);
    *freed = 1;
    std::free(const_cast<char*>(freed));

    const std::size_t before = mallinfo2().hblkhd;
    auto* block = static_cast<volatile char*>(std::malloc(1 << 20));
    QVERIFY(block);
    *block = 1;
    const std::size_t mapped = mallinfo2().hblkhd;
    std::free(const_cast<char*>(block));
    QVERIFY2(mapped >= before + (1 << 20), qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(mapped)));
#endif
}

QTEST_APPLESS_MAIN(tst_CStartup)
#include "tst_CStartup.moc"
