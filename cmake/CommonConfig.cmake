# Compile settings shared by every target of the project: linked, never set globally.
add_library(tessaly_settings INTERFACE)
target_compile_features(tessaly_settings INTERFACE cxx_std_20)
target_compile_options(tessaly_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast
  -Wnon-virtual-dtor -Wcast-qual -Woverloaded-virtual -Wnull-dereference)
if(TESSALY_WERROR)
  target_compile_options(tessaly_settings INTERFACE -Werror)
  # GCC 12 takes libstdc++'s "literal" + std::string for an overlapping copy once it is
  # inlined in optimised builds (-Wrestrict, a known false positive fixed in GCC 13): it
  # stays a warning there, so that Release and RelWithDebInfo build with -Werror as Debug does.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(tessaly_settings INTERFACE -Wno-error=restrict)
  endif()
endif()
target_compile_definitions(tessaly_settings INTERFACE QT_NO_CAST_FROM_ASCII QT_STRICT_ITERATORS)
target_include_directories(tessaly_settings INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(TESSALY_SANITIZE)
  target_compile_options(tessaly_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tessaly_settings INTERFACE -fsanitize=address,undefined)
endif()
