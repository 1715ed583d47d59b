# The checked builds (clang): CARDWISE_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report; CARDWISE_FUZZ adds the coverage
# instrumentation of libFuzzer and the fuzz targets of tests/fuzz/. One build folder serves both
# (make test-sanitize, make fuzz).
option(CARDWISE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer (clang)" OFF)
option(CARDWISE_FUZZ "Build the libFuzzer targets in tests/fuzz/ (clang; implies the sanitizers)" OFF)

if(CARDWISE_SANITIZE OR CARDWISE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The sanitizer and fuzz builds need clang (CXX=clang++)")
  endif()
  set(CARDWISE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                               -fno-omit-frame-pointer -O1)
  add_compile_options(${CARDWISE_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
  if(CARDWISE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()
