// The Env's answers for the real process: its environment variables, its own file and its
// working folder.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "common/env.h"

std::optional<std::string> Env::Variable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string Env::ExecutablePath() {
  std::string buf(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0) return "";
  buf.resize(static_cast<size_t>(n));
  return buf;
}

std::string Env::AbsolutePath(const std::string& path) {
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? path : abs.lexically_normal().string();
}
