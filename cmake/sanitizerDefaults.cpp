// Built into every program of the sanitizer build: the sanitizers' defaults, so that a plain
// ctest run in that build needs no environment.

extern "C" {

// Full stacks for every allocation: the libraries are built without frame pointers, and a
// leak can only be told apart from the game's own by the library call it came from.
// An allocation too big to serve gives null, as the C library gives it, so that a picture whose
// header claims terabytes is refused by SDL instead of ending the process.
const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0:detect_stack_use_after_return=1:strict_string_checks=1:"
           "allocator_may_return_null=1";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

const char* __lsan_default_options() {
    return "print_suppressions=0";
}

// What the libraries keep after shutdown, one line each with its reason.
const char* __lsan_default_suppressions() {
    return
        // sdl12-compat never frees the 1.2 display surface it builds in SDL_SetVideoMode, not
        // even in SDL_Quit; the game must not free it itself.
        "leak:SDL_SetVideoMode\n"
        // SDL 2 starts D-Bus while it looks for a display; when the display named has no
        // server, SDL_Quit leaves D-Bus's read buffer behind.
        "leak:_dbus_read\n";
}
}
