// FIFOs, pipes and devices: what a path is, found without opening it, and
// reads that wait for a writer or run on without end, and give up when asked.
#include "platform/Charset.h"
#include "platform/Files.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <functional>
#include <thread>

namespace tk {
namespace {

#ifndef _WIN32  // FIFOs and /dev/zero are POSIX
// A check that says "stop" on its n-th call, and counts the calls.
struct StopAfter {
  int calls = 0;
  int limit;
  bool operator()() { return ++calls >= limit; }
};

std::string ReadAll(InputFile& in) {
  std::string bytes;
  for (int c = in.get(); c >= 0; c = in.get()) bytes += static_cast<char>(c);
  return bytes;
}

TEST(non_regular_files_test, kinds_are_told_without_opening) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  ASSERT_TRUE(test::MakeFifo(dir.file("fifo")));
  for (const auto& [path, kind] : {std::pair{dir.file("plain"), FileKind::Regular},
                                   {dir.path(), FileKind::Folder},
                                   {dir.file("fifo"), FileKind::Stream},
                                   {std::string("/dev/zero"), FileKind::Device},
                                   {dir.file("none"), FileKind::Missing}}) {
    EXPECT_EQ(KindOfFile(path), kind) << path;
  }
}

// Nobody ever opens the FIFO for writing: the open returns at once and the
// read gives up when asked, as stopped and not as failed.
TEST(non_regular_files_test, a_fifo_without_writer_is_opened_at_once_and_its_read_stopped) {
  test::TempFolder dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_TRUE(test::MakeFifo(fifo));
  InputFile in;
  ASSERT_TRUE(in.open(fifo));
  EXPECT_EQ(in.kind(), FileKind::Stream);
  StopAfter stop{.limit = 3};
  in.stopWhen(std::ref(stop));
  EXPECT_LT(in.get(), 0);
  EXPECT_TRUE(in.stopped() && !in.failed());
  EXPECT_EQ(stop.calls, 3);
}

// A writer that comes after the reader opened: every byte, then the end.
TEST(non_regular_files_test, a_fifo_is_read_whole_once_its_writer_comes_and_goes) {
  test::TempFolder dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_TRUE(test::MakeFifo(fifo));
  InputFile in;
  ASSERT_TRUE(in.open(fifo));
  in.stopWhen([] { return false; });
  const std::string bytes(200000, 'r');
  std::thread writer([&] {
    const int fd = ::open(fifo.c_str(), O_WRONLY);  // the reader is there: no wait
    for (std::size_t done = 0; fd >= 0 && done < bytes.size();) {
      const auto n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::close(fd);
  });
  const std::string read = ReadAll(in);
  writer.join();
  EXPECT_TRUE(read == bytes && !in.stopped() && !in.failed()) << read.size();
}

// An input without end is looked at until the stop; a FIFO without writer
// is waited for until then.
TEST(non_regular_files_test, detection_ends_on_a_stop_through_endless_or_absent_input) {
  test::TempFolder dir;
  ASSERT_TRUE(test::MakeFifo(dir.file("fifo")));
  for (const auto& path : {std::string("/dev/zero"), dir.file("fifo")}) {
    StopAfter stop{.limit = 4};
    EXPECT_FALSE(DetectFileCharset(path, std::ref(stop)).has_value()) << path;
    EXPECT_EQ(stop.calls, 4) << path;
  }
  test::WriteBytes(dir.file("utf8"), "caf\xC3\xA9");
  EXPECT_EQ(DetectFileCharset(dir.file("utf8"), [] { return false; }), Charset::Utf8);
}

#endif

}  // namespace
}  // namespace tk
