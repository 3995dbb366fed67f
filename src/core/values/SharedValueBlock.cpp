#include "core/values/SharedValueBlock.h"

#include <new>

namespace rovik {

SharedValueBlock::SharedValueBlock(const std::string& name)
    : memory(name, sizeof(SharedValueLayout)) {
    if (memory.Data()) {
        // Value-initialising placement new clears the whole block.
        layout = new (memory.Data()) SharedValueLayout();
    } else {
        privateBlock = std::make_unique<SharedValueLayout>();
        layout = privateBlock.get();
    }
}

SharedValueBlock::~SharedValueBlock() {
    if (memory.Data()) {
        layout->~SharedValueLayout();
    }
}

}  // namespace rovik
