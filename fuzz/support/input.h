#pragma once

#include "message.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace velmora::fuzz {

// Turns the fuzzer's bytes into what a user does on a page: texts typed or pasted into fields, boxes ticked.
// Texts come raw, as digits only (the numeric fields' deep paths) or as runs of awkward pieces: Polish
// letters, "#", the characters around code 125, malformed UTF-8, NUL, emoji.
class UserInput {
public:
    UserInput(const std::uint8_t* data, std::size_t size) : data_(data, size) {}

    bool more() { return data_.remaining_bytes() > 0; }
    bool choice() { return data_.ConsumeBool(); }
    template <typename T> T number(T lowest, T highest) { return data_.ConsumeIntegralInRange<T>(lowest, highest); }
    template <typename T> T any() { return data_.ConsumeIntegral<T>(); }

    std::string text();
    // A complete IKU code, as the configuration pages are opened only with one.
    std::string ikuCode();
    Ticks ticks(std::size_t count);

private:
    std::string digits();
    std::string pieces();

    FuzzedDataProvider data_;
};

} // namespace velmora::fuzz
