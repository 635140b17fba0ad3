#pragma once
// A Ui that records what the core showed, for headless tests.
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk::test {

struct ShownMessage {
  MessageKind kind;
  std::string text;
  bool operator==(const ShownMessage&) const = default;
};

class FakeUi : public Ui {
public:
  void showMessage(MessageKind kind, const std::string& text) override {
    messages.push_back({kind, text});
  }
  void showProgress(const ProgressSetup& setup) override {
    lastProgress = setup;
    progressVisible = true;
    ++progressShows;
  }
  void hideProgress() override { progressVisible = false; }
  void setBanner(Banner) override {}
  void progressStep(int n) override {
    steps.push_back(n);
    processMessages();
  }
  void setRecordCounter(long record) override {
    lastRecord = record;
    ++recordUpdates;
  }
  void processMessages() override { ++pumps; }
  void showErrorReport(const std::vector<std::string>& lines) override {
    errorReports.push_back(lines);
  }
  bool stopRequested() const override { return stop; }

  // Message texts only, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
  }

  std::vector<ShownMessage> messages;
  std::vector<std::vector<std::string>> errorReports;
  ProgressSetup lastProgress;
  bool progressVisible = false;
  std::vector<int> steps;  // what each step was given
  long progressShows = 0, lastRecord = 0, recordUpdates = 0, pumps = 0;
  bool stop = false;  // the user's stop request
};

}  // namespace tk::test
