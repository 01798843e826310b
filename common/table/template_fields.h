#pragma once
// The field widths of the tables as the stored templates define them: the one source of the
// byte limits of the boxes and cells whose text goes into a text field.
#include <string>

// The declared width in GBK bytes of the text field field_name in the template of that name
// ("合同.rdb", "出租单数据.rdb", "码单数据库.rdb"); 0 when it has no such text field.
int TemplateTextWidth(const std::string& template_name, const std::string& field_name);
