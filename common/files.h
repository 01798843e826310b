#pragma once
// Files and folders of the programs, through the file seam (common/env.h).
#include <string>

#include "common/value.h"

// The folder of the running program, without a trailing '/' (or the one a test set).
std::string GetRunDirectory();
// Points GetRunDirectory at folder ("" = the executable's folder again).
void SetRunDirectoryForTests(const std::string& folder);
// The run directory joined with a file name: RunPath("合同.rdb").
std::string RunPath(const std::string& name);
// The settings file 配置.ini of the run directory.
std::string SettingsFilePath();
// The user's home folder (HOME), without a trailing '/'.
std::string GetHomeDirectory();
bool FileExists(const std::string& path);
bool MakeDirectory(const std::string& path);
bool CopyDiskFile(const std::string& from, const std::string& to);
bool DeleteDiskFile(const std::string& path);
// The whole file; empty when it cannot be read.
ByteSet ReadFileToBinary(const std::string& path);
bool WriteBinaryToFile(const std::string& path, const ByteSet& bytes);
// Kind 11: this user's own temporary folder, with a trailing '/': "rentdesk" in the session's
// runtime folder (XDG_RUNTIME_DIR), else "rentdesk-<USER>" in the shared one (TMPDIR, else
// /tmp), made mode 0700 when missing; "" when neither is a folder of the user's own that no
// one else may enter, and for other kinds.
std::string GetSpecialFolder(int kind);
// The folder dialog: the chosen path or "" when cancelled.
std::string BrowseForFolder(const std::string& title, bool list_files = false);
