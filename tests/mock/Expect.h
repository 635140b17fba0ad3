#pragma once
// Assertions that say what differs when they fail: the bytes a file holds
// against those expected, the path of a file that should or shouldn't be
// there, the text that lacks some words. Used as EXPECT_TRUE(FileHolds(...)).
#include "mock/Faults.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tk::test {

inline ::testing::AssertionResult FileHolds(const std::string& path, const std::string& bytes) {
  if (!FileExists(path)) {
    return ::testing::AssertionFailure()
           << path << " is missing; it should hold " << ::testing::PrintToString(bytes);
  }
  const std::string held = ReadBytes(path);
  if (held == bytes) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << path << " holds " << ::testing::PrintToString(held)
                                       << " instead of " << ::testing::PrintToString(bytes);
}

// A file a failed write must leave as it was: its earlier bytes, and no
// temporary file of the write beside it.
inline ::testing::AssertionResult KeptAsItWas(const std::string& path, const std::string& earlier) {
  ::testing::AssertionResult held = FileHolds(path, earlier);
  if (!held) return held;
  if (LeftBehind(TkPartOf(path))) {
    return ::testing::AssertionFailure() << TkPartOf(path) << " was left behind";
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult Exists(const std::string& path) {
  if (FileExists(path) || FolderExists(path)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << path << " is missing";
}

inline ::testing::AssertionResult Missing(const std::string& path) {
  if (!FileExists(path) && !FolderExists(path)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << path << " is there";
}

inline ::testing::AssertionResult Holds(std::string_view text, std::string_view words) {
  if (text.find(words) != std::string_view::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << ::testing::PrintToString(std::string(text)) << " does not hold "
         << ::testing::PrintToString(std::string(words));
}

}  // namespace tk::test
