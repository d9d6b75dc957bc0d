#pragma once
// The print dialog's side of the panel protocol: what a panel may ask of the
// dialog (its PPD, the ticket, the session) and the one thing it may ask the
// dialog to do: mark a PPD choice.
#include <cups/ppd.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "zqp/export.h"
#include "zqp/print_session.h"
#include "zqp/print_settings.h"

namespace zqp {

class ZQP_API DialogHost {
 public:
  virtual ~DialogHost();
  virtual ppd_file_t* ppdFile() = 0;
  virtual PrintSettings* printSettings() = 0;
  virtual PrintSession* printSession() = 0;
  // Asks the dialog to mark a choice; false when it refuses (the panel then
  // puts its control back).
  virtual bool willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) = 0;
};

// The dialog host the print dialog program and the tests use: it owns the
// ticket and the session, refers to a PPD record it does not own, marks with
// libcups and records every request.
class ZQP_API Host : public DialogHost {
 public:
  struct MarkRequest {
    std::string option;
    std::string choice;
    bool accepted;
  };

  explicit Host(ppd_file_t* ppd);

  ppd_file_t* ppdFile() override { return ppd_; }
  PrintSettings* printSettings() override { return &settings_; }
  PrintSession* printSession() override { return &session_; }
  // Refused: a choice the PPD does not have, one the test refuses, or any
  // choice while refuseAll is set. Accepted choices are marked with
  // ppdMarkOption. Every request is recorded and reported as a "mark" event.
  bool willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) override;

  // Scripting the dialog's answer: "Option" refuses every choice of the
  // option, "Option=Choice" only that one.
  void refuse(const std::string& optionOrPair) { refused_.insert(optionOrPair); }
  void setRefuseAll(bool on) { refuseAll_ = on; }
  const std::vector<MarkRequest>& markRequests() const { return marks_; }
  // Told of every accepted mark (the dialog tells the other panels).
  void setMarkListener(std::function<void(const std::string&, const std::string&)> f) {
    listener_ = std::move(f);
  }

  PrintSettings& settings() { return settings_; }
  PrintSession& session() { return session_; }

 private:
  ppd_file_t* ppd_;
  PrintSettings settings_;
  PrintSession session_;
  std::set<std::string> refused_;
  bool refuseAll_ = false;
  std::vector<MarkRequest> marks_;
  std::function<void(const std::string&, const std::string&)> listener_;
};

}  // namespace zqp
