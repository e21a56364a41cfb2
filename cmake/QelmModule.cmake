# qelm_add_module(<name> [DEPENDS <target>...])
#
# Builds the sources of the calling folder (C++, designer forms, resources and
# proto2 schemas) into one static library named <name>. Includes are written
# from the project root ("Common/CFrame.h"); generated protobuf headers are
# found the same way ("dvr_protocol/cgi.pb.h"); schemas import only schemas of
# their own folder, by bare file name. A folder that holds no sources
# yet becomes an interface library, so that its users can already link it.
function(qelm_add_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB protos CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.proto)

  if(NOT sources AND NOT protos)
    add_library(${name} INTERFACE ${headers})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    return()
  endif()

  add_library(${name} STATIC ${sources} ${headers} ${protos})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if(protos)
    target_link_libraries(${name} PUBLIC protobuf::libprotobuf-lite)
    protobuf_generate(TARGET ${name} LANGUAGE cpp
      PROTOC_OUT_DIR ${CMAKE_CURRENT_BINARY_DIR}
      OUT_VAR generated)
    # Generated code is not ours to keep warning-free.
    set_source_files_properties(${generated} PROPERTIES COMPILE_OPTIONS "-w")
  endif()
endfunction()
