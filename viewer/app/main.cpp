#include "Display/CScreen.h"
#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "viewer/CStartup.h"
#include "viewer/Viewer.h"

#include <QApplication>
#include <google/protobuf/stubs/common.h>
#include <memory>
#include <utility>

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
        std::unique_ptr<Viewer> viewer = CStartup::showMainWindow();
        exitCode = application.exec();
        CStartup::end(std::move(viewer));
    }
    google::protobuf::ShutdownProtobufLibrary();
    return exitCode;
}
