#pragma once
// A platform that records what the common services ask of it and answers as a test set it.
// It has no windows: Windows() aborts.
#include <cstdlib>
#include <string>
#include <vector>

#include "common/platform.h"

class FakePlatform : public Platform {
 public:
  struct Box {
    std::string text;
    int flags;
    std::string title;
  };
  struct Run {
    std::string command_line;
    bool wait;
    int window_mode;
  };

  FakePlatform() { InstallPlatform(this); }
  ~FakePlatform() override { InstallPlatform(nullptr); }

  int MessageBox(const std::string& text, int flags, const std::string& title) override {
    boxes.push_back({text, flags, title});
    return button;
  }
  std::string BrowseForFolder(const std::string& title, bool list_files) override {
    folder_titles.push_back(title);
    return folder;
  }
  bool RunProgram(const std::string& command_line, bool wait, int window_mode) override {
    runs.push_back({command_line, wait, window_mode});
    return run_result;
  }
  void OpenWebPage(const std::string& address) override { pages.push_back(address); }
  DateTime Now() override { return now; }
  ui::Backend& Windows() override { std::abort(); }

  // What the fake answers.
  int button = 1;
  std::string folder;
  bool run_result = true;
  DateTime now{};
  // What it was asked.
  std::vector<Box> boxes;
  std::vector<std::string> folder_titles;
  std::vector<Run> runs;
  std::vector<std::string> pages;
};
