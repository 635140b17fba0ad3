#include "export/ExportMessages.h"

#include "fields/FieldsTexts.h"

namespace tk {
namespace {

void AddStopNotice(CsvStop stop, std::vector<Notice>& notices) {
  switch (stop) {
    case CsvStop::LineTooLong:
      notices.push_back(ErrorNotice("Records of more than 32K Not supported"));
      break;
    case CsvStop::ReadError:
      notices.push_back(ErrorNotice("Couldnt read csv file"));
      break;
    case CsvStop::AtRecordLimit:
      notices.push_back(InformationNotice("Transfer Stopped too many records to transfer"));
      break;
    case CsvStop::AtEnd:
    case CsvStop::Stopped:
      break;
  }
}

}  // namespace

std::vector<Notice> TaggedNotices(const TaggedResult& result) {
  std::vector<Notice> notices;
  switch (result.outcome) {
    case TaggedOutcome::CsvNotOpened:
      notices.push_back(ErrorNotice("Couldnt load csv File"));
      break;
    case TaggedOutcome::OutputNotOpened:
      // The user needs the file and the cause to mend it (a full disk, no right to write).
      notices.push_back(ErrorNotice("Couldnt open output output File\n" +
                                    (result.reason.empty() ? result.failedFile : result.reason)));
      break;
    case TaggedOutcome::NotSaved:
      AddStopNotice(result.stop, notices);
      notices.push_back(ErrorNotice(UnableToWriteText(result.failedFile)));
      break;
    case TaggedOutcome::Written:
    case TaggedOutcome::Abandoned:
      AddStopNotice(result.stop, notices);
      break;
  }
  return notices;
}

std::string TransferredToText(int records, std::string_view manager) {
  return std::to_string(records) + " Records Transferred to " + std::string(manager);
}

}  // namespace tk
