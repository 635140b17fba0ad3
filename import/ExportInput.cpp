#include "import/ExportInput.h"

#include "converter/ConverterTexts.h"
#include "fields/PalmFolders.h"
#include "import/ImportMessages.h"
#include "platform/Charset.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"
#include "platform/Path.h"

#include <functional>

namespace tk {
namespace {

InputText TextOf(Charset charset) {
  return charset == Charset::Utf8 ? InputText::Utf8 : InputText::Windows1252;
}

enum class CopyEnd { Copied, Stopped, Failed };

// One pass over the stream: its bytes into the copy, and through the
// detector. Nothing of a stopped or failed copy is kept.
CopyEnd CopyStream(const std::string& from, const std::string& to,
                   const std::function<bool()>& stop, CharsetDetector& detector) {
  InputFile in;
  OutputFile out;
  if (!in.open(from) || !out.open(to)) return CopyEnd::Failed;
  in.stopWhen(stop);
  for (auto chunk = in.buffered(); !chunk.empty(); chunk = in.buffered()) {
    if (stop()) return CopyEnd::Stopped;
    detector.feed(chunk);
    out.write(chunk);
    in.consume(chunk.size());
  }
  if (in.stopped()) return CopyEnd::Stopped;
  if (in.failed() || !out.commit()) return CopyEnd::Failed;
  return CopyEnd::Copied;
}

}  // namespace

std::string StreamCopyPath(const Settings& settings) {
  return JoinPath(WorkFolder(settings.dataFolder), kStreamCopyName);
}

InputTaken TakeExportInput(const Settings& settings, ImportRun& run, Ui& ui) {
  MessagePump pump(ui);
  const std::function<bool()> stop = [&pump] {
    pump.pumpPiece();
    return pump.stopped();
  };
  if (KindOfFile(run.inputPath) != FileKind::Stream) {
    if (settings.charset != Charset::Auto) {
      run.inputText = TextOf(settings.charset);
      return InputTaken::Ready;
    }
    const auto detected = DetectFileCharset(run.inputPath, stop);
    if (!detected) return InputTaken::Stopped;
    run.inputText = TextOf(*detected);
    return InputTaken::Ready;
  }
  const std::string copy = StreamCopyPath(settings);
  CharsetDetector detector;
  switch (CopyStream(run.inputPath, copy, stop, detector)) {
    case CopyEnd::Stopped:
      return InputTaken::Stopped;
    case CopyEnd::Failed:
      ui.showMessage(MessageKind::Error, UnableToCopyText(run.inputPath, copy));
      return InputTaken::CopyFailed;
    case CopyEnd::Copied:
      break;
  }
  run.note(PipeCopyLine(copy));
  run.inputPath = copy;
  run.written.push_back(copy);
  run.inputText = TextOf(settings.charset == Charset::Auto ? detector.result() : settings.charset);
  return InputTaken::Ready;
}

}  // namespace tk
