# Every external library of the project, found once for all modules.

find_package(Qt6 6.4 REQUIRED COMPONENTS
  Core Gui Widgets Network OpenGL OpenGLWidgets Multimedia Core5Compat LinguistTools Test)
find_package(Protobuf 3.21 REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavcodec libavformat libavutil libswscale)
find_package(Boost 1.74 REQUIRED COMPONENTS thread system chrono date_time)
find_package(OpenGL REQUIRED)
if(QELM_BENCHMARKS)
  find_package(benchmark REQUIRED)
endif()
