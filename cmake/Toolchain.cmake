# Compiler warnings and sanitizer instrumentation for every target of the project.

add_compile_options(-Wall -Wextra)
if(QELM_WERROR)
  add_compile_options(-Werror)
endif()

if(QELM_ASAN AND QELM_TSAN)
  message(FATAL_ERROR "QELM_ASAN and QELM_TSAN cannot be combined")
endif()

if(QELM_ASAN)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QELM_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
