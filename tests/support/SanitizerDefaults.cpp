// The sanitizer settings of every sanitized test executable, built in so that a suite run by hand
// (ctest, or the executable itself) checks exactly as the full test run does. Settings given in
// ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still come after these and win.

// The sanitizers call these weak hooks by name; nothing of the program does.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {

// intercept_tls_get_addr=0: up to LLVM 16 and GCC 13 the __tls_get_addr interceptor takes a dynamic
// TLS block that happens to start 16 bytes into a page for one with the header of glibc before 2.25
// and reads a made-up range from in front of it, which kills the leak checker's tracer (signal 11)
// on some machines and not others. Since glibc 2.25 those blocks come from malloc, so the leak
// checker reaches them through the heap like any other block; nothing goes unscanned without it.
// It can go once the sanitizers come from LLVM 17 or GCC 14.
const char* __asan_default_options()
{
    return "abort_on_error=0:halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0";
}

const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

// Leaks inside system libraries that Kinwise cannot free.
const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libcups.so\n";
}

const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}
}
// NOLINTEND(bugprone-reserved-identifier)
