// The program is built without C++ exceptions (cmake/windows.cmake): none of
// its code throws or catches one, and one that escaped would end it anyway.
// The C++ library's allocation functions and the helpers its containers and
// strings call when they cannot go on still throw, though, and linking them
// brings the library's whole exception machinery with them: the unwinder, the
// exception classes with a second string implementation for their messages,
// and the thread library behind both, a quarter of the program. These stand
// in for them and end the program where the library would have thrown.
//
// Only bandora.exe links this file; the tests, built with exceptions, keep
// the library's own definitions.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "services/error_box.h"

namespace {

// A failed allocation ends the program, as an uncaught std::bad_alloc would,
// but says so first: a hand icon, system modal, is the one message box
// Windows still shows when memory is short. Nothing is allocated on the way.
// It is said once: a failure more while the box is up (in a message that
// still reaches a window meanwhile) ends the program as the first would.
[[noreturn]] void OutOfMemory() {
    static volatile LONG said = 0;
    if (!InterlockedExchange(&said, 1))
        services::ShowErrorBox(L"Bandora", ERROR_NOT_ENOUGH_MEMORY, L"Not enough memory.", MB_SYSTEMMODAL);
    ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    OutOfMemory();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// Every helper of the library's own file of them, so that none of its
// throwing versions is ever linked (it would clash with these).
namespace std {
void __throw_bad_exception() { std::abort(); }
void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
void __throw_bad_cast() { std::abort(); }
void __throw_bad_typeid() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_domain_error(const char*) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_runtime_error(const char*) { std::abort(); }
void __throw_range_error(const char*) { std::abort(); }
void __throw_overflow_error(const char*) { std::abort(); }
void __throw_underflow_error(const char*) { std::abort(); }
}  // namespace std
