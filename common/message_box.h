#pragma once
// Message boxes: flags as the Windows values; the result 0 OK, 1 Cancel, 2 Abort, 3 Retry,
// 4 Ignore, 5 Yes, 6 No.
#include <string>

#include "common/value.h"

inline constexpr int kMbOk = 0, kMbOkCancel = 1, kMbYesNo = 4;
inline constexpr int kMbIconStop = 16, kMbIconQuestion = 32, kMbIconExclamation = 48,
                     kMbIconInformation = 64;
inline constexpr int kIdOk = 0, kIdCancel = 1, kIdYes = 5, kIdNo = 6;

// Shows the message (as ToText shows it) with the flags and title ("信息：" by default).
int ShowMessageBox(const std::string& message, int flags = 0, const std::string& title = "信息：");
int ShowMessageBox(const char* message, int flags = 0, const std::string& title = "信息：");
// Any value: numbers, dates, bools and byte sets as ToText writes them; an omitted value shows
// an empty message.
int ShowMessageBox(const Value& message, int flags = 0, const std::string& title = "信息：");
