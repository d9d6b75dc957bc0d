// The special-pages panel's copy of its records as a crafted ticket may hold
// it: whatever the lines, the list restored from them is one the windows
// could have made (front cover first, back cover last, at most 250 inserts
// and 250 exceptions, exceptions on disjoint pages within 1 to 65000 in
// ascending order, inserts on pages 0 to 65000 in ascending order), and
// writing it and restoring that again gives the same list.
//
// Input: the copy's lines, separated by newlines.
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "special_pages_ticket.h"

namespace {

struct Ticket : zqsp::TicketWriter {
  std::map<std::string, std::string> texts;
  bool SetText(const std::string& key, const std::string& value) override {
    texts[key] = value;
    return true;
  }
  bool SetArray(const std::string&, const std::vector<std::string>&) override { return true; }
  zqsp::TicketReader Reader() const {
    return [this](const std::string& key) -> std::optional<std::string> {
      auto it = texts.find(key);
      if (it == texts.end()) return std::nullopt;
      return it->second;
    };
  }
};

const std::string kKey = std::string(zqsp::kTicketNamespace) + "JTIFCommandTicket";

int Page(const zqsp::SPRecord& r) { return std::atoi(r.at("page").c_str()); }

void CheckList(const zqsp::SPRecordList& list) {
  const auto& records = list.records();
  int inserts = 0, exceptions = 0, lastInsert = -1, lastException = 0;
  const zqsp::SPRecord* front = nullptr;
  for (size_t i = 0; i < records.size(); ++i) {
    const zqsp::SPRecord& r = records[i];
    const std::string& type = r.at("type");
    if (type == "0") {
      const std::string& side = r.at("page");
      if (side != "0" && side != "1") std::abort();
      if ((side == "0" && i != 0) || (side == "1" && i + 1 != records.size())) std::abort();
      if (side == "0" && front != nullptr) std::abort();
      if (side == "0") front = &r;
    } else if (type == "1") {
      if (++inserts > 250 || Page(r) < lastInsert || Page(r) > 65000) std::abort();
      if (Page(r) == 0 && front != nullptr) std::abort();  // no insert before page one beside a front cover
      lastInsert = Page(r);
    } else if (type == "2") {
      const std::string& page = r.at("page");
      const size_t dash = page.find('-');
      const int first = std::atoi(page.c_str());
      const int last = dash == std::string::npos ? first : std::atoi(page.c_str() + dash + 1);
      if (++exceptions > 250 || first <= lastException || last < first || last > 65000) std::abort();
      lastException = last;
    } else {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Ticket crafted;
  size_t count = 0;
  for (std::string line; std::getline(in, line) && count < 600; ++count)
    crafted.texts[kKey + "_" + std::to_string(count)] = line;
  crafted.texts[kKey + "Count"] = std::to_string(count);
  zqsp::PaperContext paper;
  paper.pageSizes = {"A4", "A5", "Custom"};
  paper.mediaTypes = {"Stationary", "ThickPaper"};
  paper.mediaColors = {"White"};

  zqsp::SPRecordList list;
  zqsp::RestoreRecordCopy(list, crafted.Reader(), &paper);
  CheckList(list);
  Ticket written;
  if (!zqsp::WriteRecordCopy(list, written)) std::abort();
  zqsp::SPRecordList again;
  if (!zqsp::RestoreRecordCopy(again, written.Reader(), &paper) || again.records() != list.records()) std::abort();
  return 0;
}
