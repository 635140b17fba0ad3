#include "import/ImportMessages.h"

#include "fields/FieldsTexts.h"
#include "import/IfoWriter.h"
#include "import/ReadResult.h"

namespace tk {

std::vector<Notice> ReadNotices(const ReadResult& result, std::string_view inputNotOpened,
                                std::string_view file) {
  std::vector<Notice> notices;
  switch (result.status) {
    case ReadStatus::OutputNotOpened:
      // Nothing was read, so nothing else can have gone wrong.
      return {ErrorNotice("Couldnt open output CSV File")};
    case ReadStatus::InputNotOpened:
      notices.push_back(ErrorNotice(std::string(inputNotOpened)));
      break;
    case ReadStatus::InputNotRead:
      notices.push_back(ErrorNotice("Couldnt read csv file"));
      break;
    case ReadStatus::TooManyRecords:
      notices.push_back(ErrorNotice(TooManyRecordsText(file, kMaxDatabaseRecords)));
      break;
    case ReadStatus::Read:
    case ReadStatus::Stopped:
      break;
  }
  if (!result.failedFile.empty())
    notices.push_back(ErrorNotice(UnableToWriteText(result.failedFile)));
  return notices;
}

std::vector<Notice> IfoNotices(const IfoResult& result) {
  std::vector<Notice> notices;
  switch (result.status) {
    case IfoStatus::Written:
      return notices;
    case IfoStatus::NotCreated:
      notices.push_back(ErrorNotice("Failure creating .IFO file "));
      break;
    case IfoStatus::NoFieldSelected:
      notices.push_back(ErrorNotice("No fields selected \nPlease select a field and try again "));
      break;
    case IfoStatus::NotWritten:
      notices.push_back(ErrorNotice(UnableToWriteText(result.failedFile)));
      break;
  }
  notices.push_back(ErrorNotice("Unable to build .IFO file"));
  return notices;
}

std::string RefusalText(std::string_view file, Refusal why) {
  std::string_view reason;
  switch (why) {
    case Refusal::None:
      return kNotConvertedToCsv;
    case Refusal::Empty:
      reason = "the file is empty";
      break;
    case Refusal::NotText:
      reason = "not a text file";
      break;
    case Refusal::RisExport:
      reason = "looks like a RIS export: use Reference Manager mode";
      break;
    case Refusal::EndNoteTagged:
      reason = "looks like an EndNote Export (%0, %A, %T\xE2\x80\xA6): use EndNote mode";
      break;
    case Refusal::EndNoteTab:
      reason = "looks like an EndNote tab export: use EndNote mode";
      break;
    case Refusal::HeaderRow:
      reason =
          "the first line is a header of field names: EndNote's tab export needs the Tomekit "
          "output style, or use EndNote Export";
      break;
    case Refusal::NoRecordEnds:
      reason =
          "no record ends (\xC2\xB0): EndNote's tab export needs the Tomekit output style, or use "
          "EndNote Export";
      break;
    case Refusal::NoRisRecord:
      reason = "no RIS record (a line \"TY  - \") in it";
      break;
  }
  return std::string(kNotConvertedToCsv) + "\n" + std::string(file) + ": " + std::string(reason);
}

std::string TransferredText(int records) {
  return std::to_string(records) + " Records Transferred to  JFile";
}

std::string ImportStatusText(const ReadResult& result) {
  std::string text = TransferredText(result.records);
  if (result.truncated > 0) {
    text += ". Number of truncated records: " + std::to_string(result.truncated);
  }
  if (result.lostValues > 0) {
    text += ". Number of records that lost a value: " + std::to_string(result.lostValues);
  }
  if (result.replaced > 0) {
    text += ". Number of records with replaced characters: " + std::to_string(result.replaced);
  }
  return text;
}

}  // namespace tk
