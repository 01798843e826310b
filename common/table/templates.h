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
