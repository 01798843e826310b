#include "common/table/template_fields.h"

#include "common/table/table_format.h"
#include "common/table/templates.h"
#include "common/text.h"

int TemplateTextWidth(const std::string& template_name, const std::string& field_name) {
  using namespace table_format;
  const ByteSet bytes = TemplateBytes(template_name);
  if (bytes.size() < static_cast<size_t>(kDescriptorsOffset)) return 0;
  const std::string name = ToGbk(field_name);
  const int count = GetI32(bytes.data() + kFieldCountOffset);
  for (int i = 0; i < count; ++i) {
    const size_t at = kDescriptorsOffset + static_cast<size_t>(i) * kDescriptorSize;
    if (at + kDescriptorSize > bytes.size()) return 0;
    const uint8_t* descriptor = bytes.data() + at;
    const std::string stored(reinterpret_cast<const char*>(descriptor),
                             strnlen(reinterpret_cast<const char*>(descriptor), kNameSize));
    if (stored == name && GetI32(descriptor + 20) == kText) return GetI32(descriptor + 28);
  }
  return 0;
}
