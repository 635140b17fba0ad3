#include "import/ImportMessages.h"

#include "import/ReadResult.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// The other notice orders reach the screen in the import driver's fault table.
TEST(import_messages_test, an_output_never_opened_says_only_that) {
  const ReadResult result{.status = ReadStatus::OutputNotOpened, .failedFile = "refs.csv"};
  EXPECT_EQ(ReadNotices(result, "Couldnt Open input .tsv file"),
            std::vector<Notice>{ErrorNotice("Couldnt open output CSV File")});
}

TEST(import_messages_test, the_status_counts_each_loss_after_the_records) {
  const ReadResult result{
      .records = 7, .truncated = 1, .replaced = 3, .lostValues = 2, .failedFile = {}};
  EXPECT_EQ(ImportStatusText(result),
            "7 Records Transferred to  JFile. Number of truncated records: 1. Number of records "
            "that lost a value: 2. Number of records with replaced characters: 3");
}

}  // namespace
}  // namespace tk
