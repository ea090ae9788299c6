#include "ledger/large_block.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace ledger {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t roundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

std::byte* mapAnonymous(std::size_t bytes) {
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<std::byte*>(p);
}

// A mapping of `bytes` (a multiple of the huge page) that starts on a huge page: only whole,
// aligned huge pages can be backed by one. Maps one huge page more and gives back what lies
// before and after the aligned part.
std::byte* mapHugeAligned(std::size_t bytes) {
    std::byte* raw = mapAnonymous(bytes + kHugePage);
    const auto address = reinterpret_cast<std::uintptr_t>(raw);
    std::byte* aligned = raw + (roundUp(address, kHugePage) - address);
    if (aligned > raw)
        ::munmap(raw, static_cast<std::size_t>(aligned - raw));
    const std::size_t tail = kHugePage - static_cast<std::size_t>(aligned - raw);
    if (tail > 0)
        ::munmap(aligned + bytes, tail);
    return aligned;
}

} // namespace

void preparePages(void* data, std::size_t bytes) noexcept {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = (begin + bytes) / page * page;
    if (first < last)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

LargeBlock::LargeBlock(std::size_t bytes, Pages pages) {
    if (bytes == 0)
        return;
    // Advice the system does not know or cannot follow leaves ordinary pages, faulted on touch.
    if (bytes >= kHugePage) {
        size_ = roundUp(bytes, kHugePage);
        data_ = mapHugeAligned(size_);
        ::madvise(data_, size_, MADV_HUGEPAGE);
    } else {
        size_ = roundUp(bytes, static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)));
        data_ = mapAnonymous(size_);
    }
    if (pages == Pages::UpFront)
        preparePages(data_, size_);
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

LargeBlock::~LargeBlock() {
    release();
}

void LargeBlock::release() noexcept {
    if (data_)
        ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
}

} // namespace ledger
