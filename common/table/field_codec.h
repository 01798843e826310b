#pragma once
// Values in and out of the bytes of a record field (every type but the block chains, whose
// bytes in the record are only the first block number).
#include <cstdint>

#include "common/table/table_format.h"
#include "common/value.h"

namespace table_internal {

// The value the field holds in record (texts become UTF-8; dates are clamped to the valid range).
Value DecodeField(const table_format::Field& field, const uint8_t* record);
// The zero value of the field's type (what a failed read gives).
Value ZeroValue(const table_format::Field& field);
// Stores value into the field's bytes of record, converted to the field's type. False when the
// value cannot become that type (a text into a number field and the like). Not for chains.
bool EncodeField(const table_format::Field& field, const Value& value, uint8_t* record);
// The bytes a byte-set or long-text field stores for value (a text becomes GBK).
bool ChainBytes(const table_format::Field& field, const Value& value, ByteSet* out);
// A chain's bytes as the field's value (long text: GBK up to the first NUL, as UTF-8).
Value ChainValue(const table_format::Field& field, const ByteSet& bytes);

}  // namespace table_internal
