// FIFOs, pipes and devices: what a path is, found without opening it, and
// reads that wait for a writer. Giving up a wait or an endless input when
// asked is pinned by the command line's end-to-end test.
#include "platform/Files.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <thread>

namespace tk {
namespace {

#ifndef _WIN32  // FIFOs and /dev/zero are POSIX
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
  std::string read;
  for (int c = in.get(); c >= 0; c = in.get()) read += static_cast<char>(c);
  writer.join();
  EXPECT_TRUE(read == bytes && !in.stopped() && !in.failed()) << read.size();
}

#endif

}  // namespace
}  // namespace tk
