# Compiler settings shared by every target of the project.
add_library(vantile_options INTERFACE)
target_compile_options(vantile_options INTERFACE -Wall -Wextra -Werror)
# GCC 12's optimiser raises these three inside libstdc++ and nlohmann headers on correct code
# (std::string concatenation, std::optional of values). They stay warnings in optimised builds;
# the Debug builds, sanitizers included, keep them errors.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(vantile_options INTERFACE
    $<$<NOT:$<CONFIG:Debug>>:-Wno-error=restrict -Wno-error=maybe-uninitialized -Wno-error=stringop-overflow>)
endif()

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
