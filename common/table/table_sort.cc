#include "common/table/table_sort.h"

#include <cstring>

#include "common/dates.h"
#include "common/table/exact_sort.h"
#include "common/table/file_replace.h"

namespace table_internal {
namespace tf = table_format;
namespace {

struct Key {
  const tf::Field* field;
  bool ascending;
};

template <typename T>
int Compare3(const uint8_t* a, const uint8_t* b) {
  T x, y;
  std::memcpy(&x, a, sizeof x);
  std::memcpy(&y, b, sizeof y);
  return x < y ? -1 : y < x ? 1 : 0;
}

// Byte-wise, unsigned, up to the first NUL or the width.
int CompareText(const uint8_t* a, const uint8_t* b, int width) {
  for (int i = 0; i < width; ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    if (a[i] == 0) return 0;
  }
  return 0;
}

int CompareField(const tf::Field& f, const uint8_t* ra, const uint8_t* rb) {
  const uint8_t *a = ra + f.offset, *b = rb + f.offset;
  switch (f.type) {
    case tf::kByte:
      return Compare3<uint8_t>(a, b);
    case tf::kShort:
      return Compare3<int16_t>(a, b);
    case tf::kInt:
      return Compare3<int32_t>(a, b);
    case tf::kLong:
      return Compare3<int64_t>(a, b);
    case tf::kRoutine:
      return Compare3<uint32_t>(a, b);
    case tf::kFloat:
      return Compare3<float>(a, b);
    case tf::kDouble:
    case tf::kDate:
      return Compare3<double>(a, b);
    case tf::kBool:
      return (a[0] != 0) - (b[0] != 0);
    default:
      return CompareText(a, b, f.width);
  }
}

bool ResolveKeys(const TableFile& src, const std::vector<std::string>& names,
                 const std::vector<bool>& ascending, std::vector<Key>* keys) {
  for (size_t k = 0; k < names.size(); ++k) {
    int i = src.FindField(names[k]);
    if (i < 0 || tf::IsChainType(src.fields()[static_cast<size_t>(i)].type)) return false;
    keys->push_back({&src.fields()[static_cast<size_t>(i)], k >= ascending.size() || ascending[k]});
  }
  return !keys->empty();
}

// Every record slot's bytes, read through the table's window.
bool ReadAll(TableFile& src, ByteSet* all) {
  size_t rs = static_cast<size_t>(src.record_size());
  all->resize(rs * static_cast<size_t>(src.count()));
  for (int32_t s = 0; s < src.count(); ++s) {
    TableStatus st;
    const uint8_t* rec = src.Record(s, &st);
    if (!rec) return false;
    std::memcpy(all->data() + rs * static_cast<size_t>(s), rec, rs);
  }
  return true;
}

// Appends value as a fresh chain at the end of image; returns its first block (0 = empty).
int32_t AppendChain(const ByteSet& value, ByteSet* image) {
  if (value.empty()) return 0;
  int32_t first = static_cast<int32_t>(image->size() / tf::kBlockSize);
  size_t blocks = (value.size() + tf::kBlockData - 1) / tf::kBlockData;
  image->resize(image->size() + blocks * tf::kBlockSize, 0);
  for (size_t i = 0; i < blocks; ++i) {
    uint8_t* p = image->data() + (static_cast<size_t>(first) + i) * tf::kBlockSize;
    size_t used = std::min<size_t>(tf::kBlockData, value.size() - i * tf::kBlockData);
    tf::PutI32(p, i ? first + static_cast<int32_t>(i) - 1 : 0);
    tf::PutI32(p + 4, i + 1 < blocks ? first + static_cast<int32_t>(i) + 1 : 0);
    tf::PutI32(p + 8, static_cast<int32_t>(used));
    std::memcpy(p + tf::kBlockHeader, value.data() + i * tf::kBlockData, used);
  }
  return first;
}

// Copies the chains of rec from src's companion into image, pointing rec at the copies.
void CopyChains(TableFile& src, uint8_t* rec, ByteSet* image) {
  for (const auto& f : src.fields()) {
    if (!tf::IsChainType(f.type)) continue;
    ByteSet value;
    if (!src.companion()->Read(tf::GetI32(rec + f.offset), &value)) value.clear();
    tf::PutI32(rec + f.offset, AppendChain(value, image));
  }
}

// The header and descriptors of the new file: as the source's with every reserved byte zero.
ByteSet NewHead(const TableFile& src, double now) {
  ByteSet out(src.head());
  std::memset(out.data() + 28, 0, tf::kHeaderSize - 28);
  tf::PutF64(out.data() + tf::kCreationOffset, now);
  tf::PutI32(out.data() + tf::kCountOffset, src.count());
  tf::PutI32(out.data() + tf::kNextNumberOffset, src.count() + 1);
  for (size_t i = 0; i < src.fields().size(); ++i) {
    uint8_t* d = out.data() + tf::kDescriptorsOffset + tf::kDescriptorSize * i;
    size_t name = src.fields()[i].name.size();
    std::memset(d + name, 0, tf::kNameSize - name);
    std::memset(d + 32, 0, tf::kDescriptorSize - 32);
  }
  return out;
}

// Slot numbers of the records of all in the order the keys give.
std::vector<int32_t> SortedOrder(const ByteSet& all, size_t rs, const std::vector<Key>& keys) {
  std::vector<int32_t> order(all.size() / rs);
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
  ExactSort(order, [&](int32_t a, int32_t b) {
    const uint8_t* ra = all.data() + rs * static_cast<size_t>(a);
    const uint8_t* rb = all.data() + rs * static_cast<size_t>(b);
    for (const Key& k : keys)
      if (int c = CompareField(*k.field, ra, rb)) return k.ascending ? c : -c;
    return 0;
  });
  return order;
}

}  // namespace

TableStatus SortToFile(TableFile& src, const std::string& target,
                       const std::vector<std::string>& key_names,
                       const std::vector<bool>& ascending) {
  std::vector<Key> keys;
  if (!ResolveKeys(src, key_names, ascending, &keys)) return TableStatus::kBadKey;
  ByteSet all;
  if (!ReadAll(src, &all)) return TableStatus::kIoError;
  size_t rs = static_cast<size_t>(src.record_size());
  std::vector<int32_t> order = SortedOrder(all, rs, keys);
  double now = GetCurrentDateTime().days;
  ByteSet out = NewHead(src, now);
  out.resize(out.size() + all.size());
  ByteSet image =
      src.companion() ? CompanionFile::NewHeader(tf::GetI32(out.data() + 4), now, 1) : ByteSet{};
  uint8_t* dst = out.data() + src.head().size();
  for (size_t i = 0; i < order.size(); ++i, dst += rs) {
    std::memcpy(dst, all.data() + rs * static_cast<size_t>(order[i]), rs);
    int32_t number = static_cast<int32_t>(i) + 1;
    tf::PutI32(dst, tf::GetI32(dst) < 0 ? -number : number);
    if (src.companion()) CopyChains(src, dst, &image);
  }
  if (src.companion()) {
    tf::PutI32(image.data() + tf::kBlockCountOffset,
               static_cast<int32_t>(image.size() / tf::kBlockSize));
    if (!ReplaceFile(CompanionPath(target), image)) return TableStatus::kIoError;
  }
  return ReplaceFile(target, out) ? TableStatus::kOk : TableStatus::kIoError;
}

}  // namespace table_internal
