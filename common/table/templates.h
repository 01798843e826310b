#pragma once
// The empty table templates the programs carry ("合同.rdb", "合同.rdt", "出租单数据.rdb",
// "码单数据库.rdb", "码单数据库.RDT") and writing them out when they are missing.
#include <string>

#include "common/value.h"

// The stored bytes of the template of that name; empty when there is none.
ByteSet TemplateBytes(const std::string& name);
// Writes the template to path unless a file of that path (the extension in any letter case)
// exists. False when there is no such template or the write fails; true when already there.
bool WriteTemplateIfMissing(const std::string& path, const std::string& template_name);

// A table and its companion are written from the templates only when both are missing, or
// when the one left holds nothing the other's template could be taken for: a table none of
// whose records names a companion block, or a companion of no block but its header. Otherwise
// (old dockets would be read from, and overwritten by, new blocks) this is the path of the
// missing file, which start-up must not write; "" when the pair may be completed.
std::string MissingHalfOfTablePair(const std::string& table_path,
                                   const std::string& companion_path);
// The message that names that file and ends start-up: "找不到合同.rdt，数据无法打开。".
std::string MissingTableFileText(const std::string& path);
