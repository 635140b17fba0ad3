#include "export/ExportMessages.h"

#include "fields/FieldsTexts.h"
#include "fields/ProgramModes.h"

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

std::string ModeName(Mode mode) {
  return std::string(InfoOf(mode).menuCaption) + " mode (tomekit-cli --mode " +
         InfoOf(mode).cliName + ")";
}

// Exported anyway, every record would be empty and the earlier file lost.
std::string WrongModeText(const std::string& database, Mode mode, std::optional<Mode> fits) {
  std::string text = database + " has no column that is a field of " + ModeName(mode) +
                     ", so nothing was written.";
  if (fits) text += " Its columns are the fields of " + ModeName(*fits) + ": export it there.";
  return text;
}

}  // namespace

std::vector<Notice> TaggedNotices(const TaggedResult& result, Mode mode,
                                  const std::string& database) {
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
    case TaggedOutcome::WrongMode:
      notices.push_back(ErrorNotice(WrongModeText(database, mode, result.fits)));
      break;
    case TaggedOutcome::Abandoned:
      // Cut off before its header line, the CSV gave nothing to say why.
      if (result.stop == CsvStop::AtEnd) {
        notices.push_back(ErrorNotice(result.failedFile +
                                      " holds no line of field names, so nothing was written."));
      }
      AddStopNotice(result.stop, notices);
      break;
    case TaggedOutcome::Written:
      AddStopNotice(result.stop, notices);
      break;
  }
  return notices;
}

std::string TransferredToText(int records, std::string_view manager) {
  return std::to_string(records) + " Records Transferred to " + std::string(manager);
}

}  // namespace tk
