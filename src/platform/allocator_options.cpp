// The options of jemalloc, linked into each program that uses it (cmake/allocator.cmake):
// jemalloc reads this variable when it starts; the environment's MALLOC_CONF, read after it,
// may still change them.
//
// thp:always asks for transparent huge pages on all its memory: a database loads as hundreds of
// thousands of small blocks, and 2 MB pages spare most of the page faults of 4 KB ones.
extern "C" {
const char* malloc_conf = "thp:always";
}
