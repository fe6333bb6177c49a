#include "core/int_list.h"

#include <string>
#include <utility>

#include "core/fatal_error.h"
#include "platform/platform.h"

namespace {

constexpr int32_t kHeaderWords = 2;  // dimension count, element count

[[noreturn]] void raiseListError(int32_t code, const char* message, CallSite site) {
    raiseFatal({code, message, site.routineId, site.position, std::nullopt});
}

[[noreturn]] void raiseAllocationFailure(uint64_t bytes) {
    std::string message = "分配 %d 字节内存失败!";
    message.replace(message.find("%d"), 2, std::to_string(bytes));
    raiseFatal({0, message, 0, 0, std::nullopt});
}

}  // namespace

int32_t* IntList::obtainBlock(int32_t count) {
    const uint64_t bytes = 4 * static_cast<uint64_t>(count) + 4 * kHeaderWords;
    // The block's size travels as 32 bits; a larger one cannot be had.
    void* memory = bytes <= UINT32_MAX ? platform::allocate(bytes) : nullptr;
    if (memory == nullptr) raiseAllocationFailure(bytes);
    auto* block = static_cast<int32_t*>(memory);
    block[0] = 1;
    block[1] = count;
    for (int32_t i = 0; i < count; ++i) block[kHeaderWords + i] = 0;
    return block;
}

IntList::IntList(int32_t count) : block_(obtainBlock(count)) {}

IntList::~IntList() { release(); }

IntList::IntList(IntList&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

IntList& IntList::operator=(IntList&& other) noexcept {
    if (this != &other) {
        release();
        block_ = std::exchange(other.block_, nullptr);
    }
    return *this;
}

int32_t IntList::count() const { return block_ != nullptr ? block_[1] : 0; }

void IntList::resize(int32_t count, CallSite site) {
    if (count < 0) {
        raiseListError(10, "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零", site);
    }
    int32_t* fresh = obtainBlock(count);  // before the old one goes
    release();
    block_ = fresh;
}

int32_t& IntList::at(int32_t index, CallSite site) {
    if (index < 1) raiseListError(4, "数组成员引用下标必须大于等于1", site);
    if (index > count()) raiseListError(1, "数组成员引用下标超出定义范围", site);
    return block_[kHeaderWords + index - 1];
}

void IntList::release() {
    if (block_ != nullptr) platform::release(std::exchange(block_, nullptr));
}
