#pragma once
// While the realisation applies the program's writes, widget signals are not user actions.

namespace qtp {

// True while an ApplyScope lives: signals then come from the program's writes.
bool Applying();

// Marks the time the program's writes are applied to widgets.
class ApplyScope {
 public:
  ApplyScope();
  ~ApplyScope();
  ApplyScope(const ApplyScope&) = delete;
  ApplyScope& operator=(const ApplyScope&) = delete;
};

}  // namespace qtp
