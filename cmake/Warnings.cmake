# Warnings for the project's own targets: call vectrim_warnings(<target>).
function(vectrim_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
      -Wcast-align -Wunused -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough>)
endfunction()
