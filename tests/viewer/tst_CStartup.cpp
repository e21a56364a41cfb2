#include "viewer/CStartup.h"

#include <QTest>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

class tst_CStartup : public QObject {
    Q_OBJECT

private slots:
    // Big blocks keep coming from the system, and so go back to it, after a
    // bigger one was freed (which would raise glibc's moving threshold).
    void bigBlocksStayMapped()
    {
#if !defined(__GLIBC__) || defined(QELM_SANITIZED)
        QSKIP("only glibc's own allocator has the moving threshold");
#else
        CStartup::prepareMemory();
        void* volatile freed = std::malloc(4 << 20);
        std::free(freed);
        const std::size_t before = mallinfo2().hblkhd;
        void* volatile block = std::malloc(1 << 20);
        const std::size_t mapped = mallinfo2().hblkhd;
        std::free(block);
        QVERIFY2(mapped >= before + (1 << 20), qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(mapped)));
#endif
    }
};

QTEST_APPLESS_MAIN(tst_CStartup)
#include "tst_CStartup.moc"
