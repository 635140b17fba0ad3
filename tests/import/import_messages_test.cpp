#include "import/ImportMessages.h"

#include "import/IfoWriter.h"
#include "import/ReadResult.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Texts = std::vector<std::string>;

TEST(import_messages_test, an_output_never_opened_says_only_that) {
  ReadResult result;
  result.status = ReadStatus::OutputNotOpened;
  result.failedFile = "refs.csv";
  EXPECT_EQ(ReadNotices(result, "Couldnt Open input .tsv file"), Texts{"Couldnt open output CSV File"});
}

TEST(import_messages_test, an_unread_input_comes_before_the_unwritten_output) {
  ReadResult result;
  result.status = ReadStatus::InputNotOpened;
  result.failedFile = "refs.csv";
  EXPECT_EQ(ReadNotices(result, "Couldnt Open input .csv file"),
            (Texts{"Couldnt Open input .csv file", "Unable to write to refs.csv"}));
  result.status = ReadStatus::Read;
  EXPECT_EQ(ReadNotices(result, "Couldnt Open input .tsv file"), Texts{"Unable to write to refs.csv"});
}

TEST(import_messages_test, a_description_not_written_ends_with_the_summary) {
  EXPECT_TRUE(IfoNotices({IfoStatus::Written, {}}).empty());
  EXPECT_EQ(IfoNotices({IfoStatus::NotWritten, "refs.IFO"}),
            (Texts{"Unable to write to refs.IFO", "Unable to build .IFO file"}));
}

TEST(import_messages_test, the_status_counts_each_loss_after_the_records) {
  ReadResult result;
  result.records = 7;
  EXPECT_EQ(ImportStatusText(result), "7 Records Transferred to  JFile");
  result.truncated = 1;
  result.lostValues = 2;
  result.replaced = 3;
  EXPECT_EQ(ImportStatusText(result),
            "7 Records Transferred to  JFile. Number of truncated records: 1. Number of records "
            "that lost a value: 2. Number of records with replaced characters: 3");
}

}  // namespace
}  // namespace tk
