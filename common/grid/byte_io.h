#pragma once
// Little-endian reading and writing of the grid save file (internal to common/grid).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/value.h"

namespace grid_internal {

class ByteWriter {
 public:
  explicit ByteWriter(ByteSet* out) : out_(out) {}
  void I32(int64_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out_->push_back(static_cast<uint8_t>(u >> (8 * i)));
  }
  void I16(int v) {
    out_->push_back(static_cast<uint8_t>(v));
    out_->push_back(static_cast<uint8_t>(v >> 8));
  }
  void Bytes(const void* p, size_t n) {
    auto* b = static_cast<const uint8_t*>(p);
    out_->insert(out_->end(), b, b + n);
  }
  // The bytes zero-padded (or cut) to exactly n bytes.
  void Fixed(const std::string& s, size_t n) {
    size_t k = std::min(s.size(), n);
    Bytes(s.data(), k);
    out_->resize(out_->size() + (n - k), 0);
  }
  size_t size() const { return out_->size(); }

 private:
  ByteSet* out_;
};

class ByteReader {
 public:
  ByteReader(const ByteSet& in, size_t pos = 0) : in_(in), pos_(pos) {}
  size_t Remaining() const { return pos_ <= in_.size() ? in_.size() - pos_ : 0; }
  size_t pos() const { return pos_; }
  bool I32(int32_t* v) {
    if (Remaining() < 4) return false;
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(in_[pos_ + i]) << (8 * i);
    *v = static_cast<int32_t>(u);
    pos_ += 4;
    return true;
  }
  // n bytes as they stand; false when fewer are left.
  bool Bytes(size_t n, const uint8_t** p) {
    if (Remaining() < n) return false;
    *p = in_.data() + pos_;
    pos_ += n;
    return true;
  }
  // An n-byte field read up to its first zero byte.
  bool Text(size_t n, std::string* s) {
    const uint8_t* p = nullptr;
    if (!Bytes(n, &p)) return false;
    size_t len = 0;
    while (len < n && p[len] != 0) ++len;
    s->assign(reinterpret_cast<const char*>(p), len);
    return true;
  }
  bool Skip(size_t n) {
    const uint8_t* p = nullptr;
    return Bytes(n, &p);
  }

 private:
  const ByteSet& in_;
  size_t pos_;
};

}  // namespace grid_internal
