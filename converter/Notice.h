#pragma once
// What a conversion has to tell the user, as a value: the core's steps
// return notices and the drivers show them, in order, through the Ui.
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

struct Notice {
  MessageKind kind = MessageKind::Error;
  std::string text;
  // The converter's error log and what it printed: shown in the error-report
  // dialog instead of a box.
  std::vector<std::string> report;
  bool operator==(const Notice&) const = default;
};

inline Notice ErrorNotice(std::string text) { return {MessageKind::Error, std::move(text), {}}; }
inline Notice InformationNotice(std::string text) {
  return {MessageKind::Information, std::move(text), {}};
}
inline Notice PlainNotice(std::string text) { return {MessageKind::Plain, std::move(text), {}}; }
inline Notice ReportNotice(std::vector<std::string> lines) {
  return {MessageKind::Error, {}, std::move(lines)};
}

inline void ShowNotice(Ui& ui, const Notice& notice) {
  if (notice.report.empty()) {
    ui.showMessage(notice.kind, notice.text);
  } else {
    ui.showErrorReport(notice.report);
  }
}

inline void ShowNotices(Ui& ui, const std::vector<Notice>& notices) {
  for (const Notice& notice : notices) ShowNotice(ui, notice);
}

}  // namespace tk
