# The programs' allocator: jemalloc with transparent huge pages where it is installed (Debian's
# libjemalloc-dev). Loading a federation's database makes hundreds of thousands of small blocks,
# some 150 MB: huge pages take one page fault per 2 MB where the system's allocator takes one
# per 4 KB, and the weekly step on 100,000 rounds runs about a fifth faster. The sanitizer builds
# keep their own allocator. Without jemalloc the programs link the system's, and work the same.
option(CARDWISE_JEMALLOC "Link the programs with jemalloc, huge pages on" ON)

set(CARDWISE_JEMALLOC_LIBRARY "")
if(CARDWISE_JEMALLOC AND NOT (CARDWISE_SANITIZE OR CARDWISE_FUZZ))
  find_library(CARDWISE_JEMALLOC_LIBRARY_PATH NAMES jemalloc)
  if(CARDWISE_JEMALLOC_LIBRARY_PATH)
    set(CARDWISE_JEMALLOC_LIBRARY "${CARDWISE_JEMALLOC_LIBRARY_PATH}")
  else()
    message(STATUS "jemalloc not found (libjemalloc-dev): the programs use the system's allocator")
  endif()
endif()

# Links an executable with the allocator chosen above, with its options compiled in.
function(cardwise_use_allocator target)
  if(CARDWISE_JEMALLOC_LIBRARY)
    target_sources(${target} PRIVATE "${CMAKE_SOURCE_DIR}/src/platform/allocator_options.cpp")
    target_link_libraries(${target} PRIVATE "${CARDWISE_JEMALLOC_LIBRARY}")
  endif()
endfunction()
