# Compiler settings shared by every target of the project.
add_library(vantile_options INTERFACE)
target_compile_options(vantile_options INTERFACE -Wall -Wextra -Werror)

if(VANTILE_SANITIZE)
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(vantile_options INTERFACE ${sanitizers})
  target_link_options(vantile_options INTERFACE ${sanitizers})
endif()

if(VANTILE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VANTILE_FUZZ needs clang (use the fuzz preset)")
  endif()
  target_compile_options(vantile_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(vantile_options INTERFACE -fsanitize=address,undefined)
endif()

find_package(PkgConfig REQUIRED)
find_package(nlohmann_json 3.10 REQUIRED)
