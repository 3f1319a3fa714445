# Warnings for the project's own targets: call vectrim_warnings(<target>).
function(vectrim_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
      -Wcast-align -Wunused -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough>)
  # GCC 12 reports std::string copies in optimised builds as overlapping
  # (a known false positive of -Wrestrict in libstdc++).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
  endif()
endfunction()
