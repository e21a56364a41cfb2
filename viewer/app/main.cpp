#include "Display/CScreen.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CLockWaitShare.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <google/protobuf/stubs/common.h>
#include <memory>

int main(int argc, char* argv[])
{
    CStartup::prepareMemory();
    GOOGLE_PROTOBUF_VERIFY_VERSION;
    CScreen::prepareOpenGL();
    int exitCode = 0;
    {
        QApplication application(argc, argv);
        CStartup::prepareApplication();
        CAppSettings settings;
        CLanguage languages;
        CStartup::installTranslation(settings, languages);

        std::unique_ptr<Viewer> viewer;
        {
            // The window's building saves the settings more than once (the
            // first start's OpenGL probe, the PC options): a settings file
            // that another program holds delays it by
            // CAppSettings::LOCK_WAIT_MS at most, once.
            const CLockWaitShare oneWait;
            viewer = std::make_unique<Viewer>();
        }
        viewer->show();
        exitCode = application.exec();

        // The window goes first, with every message its children hold;
        // then the stop requests of the closed connections and the relays'
        // pending switch-offs go out. The window's going may save the PTZ
        // speed: a settings file that another program holds delays them by
        // CAppSettings::LOCK_WAIT_MS at most.
        {
            const CLockWaitShare oneWait;
            viewer.reset();
        }
        CStartup::sendPendingCommands();
    }
    google::protobuf::ShutdownProtobufLibrary();
    return exitCode;
}
