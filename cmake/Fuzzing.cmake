# -DVECTRIM_FUZZ=ON with clang: everything is built for libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz targets link the
# fuzzer's main. Use a build folder of its own (CC=clang CXX=clang++).
if(VECTRIM_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VECTRIM_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  set(_fuzz -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
            -fno-omit-frame-pointer -g)
  add_compile_options(${_fuzz})
  add_link_options(-fsanitize=address,undefined)
endif()
