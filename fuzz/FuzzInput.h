#pragma once
// Reads typed values off the front of a fuzzer's byte string.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T>
    bool Take(T& value)
    {
        if (size_ - used_ < sizeof(T))
            return false;
        std::memcpy(&value, data_ + used_, sizeof(T));
        used_ += sizeof(T);
        return true;
    }

    std::string Rest() const { return std::string(reinterpret_cast<const char*>(data_ + used_), size_ - used_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};
