// Little-endian bytes for the replay files: a writer that appends, and a reader that
// checks every length against what is left and, once anything is short or out of range,
// stays failed and reads zeros.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

class ByteWriter {
public:
    void u8(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void u16(std::uint16_t v) { fixed(v, 2); }
    void u32(std::uint32_t v) { fixed(v, 4); }
    void u64(std::uint64_t v) { fixed(v, 8); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        u32(bits);
    }
    // Seven bits a byte, low first; the high bit says another byte follows.
    void varint(std::uint32_t v) {
        while (v >= 0x80) {
            u8(static_cast<std::uint8_t>(v | 0x80));
            v >>= 7;
        }
        u8(static_cast<std::uint8_t>(v));
    }
    void text(std::string_view s) {
        varint(static_cast<std::uint32_t>(s.size()));
        out_.append(s);
    }
    void bytes(std::string_view b) { out_.append(b); }
    const std::string& str() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    void fixed(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::string out_;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view in) : in_(in) {}
    std::uint8_t u8() { return static_cast<std::uint8_t>(fixed(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(fixed(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(fixed(4)); }
    std::uint64_t u64() { return fixed(8); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() {
        const std::uint32_t bits = u32();
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    std::uint32_t varint() {
        std::uint32_t v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const std::uint8_t b = u8();
            v |= static_cast<std::uint32_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) return v;
        }
        fail();
        return 0;
    }
    std::string text(std::size_t longest) {
        const std::uint32_t n = varint();
        if (n > longest || n > left()) {
            fail();
            return {};
        }
        std::string s(in_.substr(pos_, n));
        pos_ += n;
        return s;
    }
    std::string_view bytes(std::size_t n) {
        if (n > left()) {
            fail();
            return {};
        }
        const std::string_view b = in_.substr(pos_, n);
        pos_ += n;
        return b;
    }
    // A count of things each at least `each` bytes long that must fit in what is left.
    std::uint32_t count(std::size_t each) {
        const std::uint32_t n = varint();
        if (each > 0 && n > left() / each) {
            fail();
            return 0;
        }
        return n;
    }
    void fail() {
        failed_ = true;
        pos_ = in_.size();
    }
    bool failed() const { return failed_; }
    std::size_t left() const { return in_.size() - pos_; }

private:
    std::uint64_t fixed(int n) {
        if (static_cast<std::size_t>(n) > left()) {
            fail();
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(in_[pos_ + i])) << (8 * i);
        pos_ += n;
        return v;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};
