#include "allocation_counter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define CUTTING_SANITIZER_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define CUTTING_SANITIZER_ALLOCATOR 1
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void Seen() {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

namespace robustness {

void AllocationCount::Start() {
    allocations.store(0);
    counting.store(true);
}

long AllocationCount::Stop() {
    counting.store(false);
    return allocations.load();
}

}  // namespace robustness

#if defined(CUTTING_SANITIZER_ALLOCATOR)

// The sanitizer calls these for every allocation and release it serves,
// operator new included.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*, size_t),
                                                         void (*free_hook)(const volatile void*));

namespace {

void OnAllocate(const volatile void*, size_t) { Seen(); }
void OnRelease(const volatile void*) {}

[[maybe_unused]] const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(OnAllocate, OnRelease);

}  // namespace

#else

// glibc's own allocator, under the names it exports for replacements. The
// replacements carry glibc's noexcept declarations.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* p, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* p);

void* malloc(size_t size) noexcept {
    Seen();
    return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) noexcept {
    Seen();
    return __libc_calloc(count, size);
}
void* realloc(void* p, size_t size) noexcept {
    Seen();
    return __libc_realloc(p, size);
}
void* memalign(size_t alignment, size_t size) noexcept {
    Seen();
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) noexcept {
    Seen();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, size_t alignment, size_t size) noexcept {
    Seen();
    void* p = __libc_memalign(alignment, size);
    if (p == nullptr) return 12;  // ENOMEM
    *out = p;
    return 0;
}
void free(void* p) noexcept { __libc_free(p); }
}

namespace {

void* Allocate(size_t size) {
    Seen();
    void* p = __libc_malloc(size == 0 ? 1 : size);
    if (p == nullptr) std::abort();
    return p;
}

void* AllocateAligned(size_t size, std::align_val_t alignment) {
    Seen();
    void* p = __libc_memalign(static_cast<size_t>(alignment), size == 0 ? 1 : size);
    if (p == nullptr) std::abort();
    return p;
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(size_t size, std::align_val_t a) { return AllocateAligned(size, a); }
void* operator new[](size_t size, std::align_val_t a) { return AllocateAligned(size, a); }
void* operator new(size_t size, std::align_val_t a, const std::nothrow_t&) noexcept { return AllocateAligned(size, a); }
void* operator new[](size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete[](void* p) noexcept { __libc_free(p); }
void operator delete(void* p, size_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t) noexcept { __libc_free(p); }
void operator delete(void* p, std::align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { __libc_free(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { __libc_free(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { __libc_free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { __libc_free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { __libc_free(p); }

#endif
