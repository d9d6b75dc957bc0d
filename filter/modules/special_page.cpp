// Special pages: covers, inserted sheets and exception pages chosen in the
// print dialog, sent to the device as a JTIF XML job ticket in front of
// the PJL.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "modules.h"
#include "table_support.h"

namespace zqf {

namespace {

// One record: its comma-separated fields in order.
std::vector<std::string> Fields(std::string_view value) {
  std::vector<std::string> fields;
  std::string field;
  while (true) {
    const size_t used = getOneValue(value, field);
    fields.push_back(field);
    if (used == 0) break;
    value.remove_prefix(used);
  }
  return fields;
}

// The indexes of the records of one family that the ticket holds, in
// order, below the family's count. Walking the ticket rather than the
// count keeps a hostile count from running for ever.
std::vector<long> RecordIndexes(const Job& job, const std::string& prefix, int32_t count) {
  std::vector<long> indexes;
  if (count <= 0) return indexes;
  for (std::string_view name : job.options.NamesWithPrefix(prefix)) {
    const std::string digits(name.substr(prefix.size()));
    // Only the decimal form the writer uses: no sign, no leading zero.
    const size_t len = digits.size();
    if (len == 0 || len > 10 || std::strspn(digits.c_str(), "0123456789") != len || (digits[0] == '0' && len > 1)) {
      continue;
    }
    const long index = std::strtol(digits.c_str(), nullptr, 10);
    if (index < count) indexes.push_back(index);
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

// The record's value as the text getter reads it (unescaped, at most 255
// bytes). The ticket is an XML document in UTF-8 whatever text the
// device's PJL takes, so the value stays UTF-8.
std::string RecordValue(Job& job, const std::string& key) {
  std::string value;
  GetTicketStringConvertedToPrtLangForUTF8(job, key, job.options, &value, 256);
  return value;
}

class JtifWriter {
 public:
  void Open(int depth, const std::string& name, const char* syntax) {
    Indent(depth);
    xml_ += "<" + name + " syntax=\"" + syntax + "\">\n";
  }
  void Close(int depth, const std::string& name) {
    Indent(depth);
    xml_ += "</" + name + ">\n";
  }
  void Element(int depth, const std::string& name, const char* syntax, std::string_view text) {
    Indent(depth);
    xml_ += "<" + name + " syntax=\"" + syntax + "\">" + XmlEscape(text) + "</" + name + ">\n";
  }
  void Raw(std::string_view text) { xml_ += text; }
  const std::string& xml() const { return xml_; }

  // A size the device cannot read (an empty or unreadable dimension, as a
  // record without a custom size of its own gives) is left out: the media
  // collection is complete without one, so the device still places the
  // page with its type and colour, on the job's paper. `what` names the
  // record's element for the warning (never ticket text: a log line must
  // not carry what a ticket wrote).
  void MediaSize(int depth, std::string_view x, std::string_view y, const char* what) {
    if (!IsDimension(x) || !IsDimension(y)) {
      unsized_.emplace_back(what);
      return;
    }
    Open(depth, "media-size", "collection");
    Element(depth + 1, "x-dimension", "integer", x);
    Element(depth + 1, "y-dimension", "integer", y);
    Close(depth, "media-size");
  }
  const std::vector<const char*>& unsized() const { return unsized_; }
  void Range(int depth, const char* name, std::string_view lower, std::string_view upper) {
    Open(depth, name, "1setOf");
    Open(depth + 1, "value", "rangeOfInteger");
    Element(depth + 2, "lower-bound", "integer", lower);
    Element(depth + 2, "upper-bound", "integer", upper);
    Close(depth + 1, "value");
    Close(depth, name);
  }

 private:
  // Hundredths of a millimetre: digits only, above zero, within 32 bits.
  static bool IsDimension(std::string_view text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    return text.find_first_not_of('0') != std::string_view::npos;
  }
  void Indent(int depth) { xml_.append(static_cast<size_t>(depth) * 2, ' '); }
  std::string xml_;
  std::vector<const char*> unsized_;
};

// A field by position; empty when the record is short.
std::string_view At(const std::vector<std::string>& f, size_t i) { return i < f.size() ? f[i] : std::string_view{}; }

void Cover(JtifWriter& w, const std::vector<std::string>& f) {
  const std::string_view side = At(f, 0), kind = At(f, 1);
  const char* element = side == "0" ? "cover-front" : side == "1" ? "cover-back" : nullptr;
  if (element == nullptr) return;
  w.Open(2, element, "collection");
  if (kind == "0" || kind == "1") {
    w.Element(3, "cover-type", "keyword", At(f, 2));
    w.Open(3, "media-col", "collection");
    if (kind == "0") {
      w.Element(4, "media-type", "name", At(f, 3));
    } else {
      w.Element(4, "media-type", "keyword", At(f, 3));
      w.Element(4, "media-color", "keyword", At(f, 4));
      w.MediaSize(4, At(f, 5), At(f, 6), element);
    }
    w.Close(3, "media-col");
  }
  w.Close(2, element);
}

void Insertion(JtifWriter& w, const std::vector<std::string>& f) {
  const std::string_view kind = At(f, 0);
  if (kind != "0" && kind != "1") return;
  w.Open(3, "value", "collection");
  w.Element(4, "insert-after-page-number", "integer", At(f, 1));
  w.Element(4, "insert-count", "integer", At(f, 2));
  w.Open(4, "media-col", "collection");
  if (kind == "0") {
    w.Element(5, "media-type", "name", At(f, 3));
  } else {
    w.Element(5, "media-color", "keyword", At(f, 3));
    w.MediaSize(5, At(f, 4), At(f, 5), "insert-sheet");
    w.Element(5, "media-type", "keyword", At(f, 6));
  }
  w.Close(4, "media-col");
  w.Close(3, "value");
}

void Exception(JtifWriter& w, const std::vector<std::string>& f) {
  const std::string_view kind = At(f, 0);
  if (kind != "0" && kind != "1") return;
  w.Open(3, "value", "collection");
  w.Range(4, "input-documents", At(f, 1), At(f, 2));
  w.Range(4, "pages", At(f, 3), At(f, 4));
  w.Element(4, "sides", "keyword", At(f, 5));
  w.Open(4, "media-col", "collection");
  w.Element(5, "media-type", "name", At(f, 6));
  if (kind == "1") {
    w.Element(5, "media-color", "keyword", At(f, 7));
    w.MediaSize(5, At(f, 8), At(f, 9), "page-overrides");
  }
  w.Close(4, "media-col");
  w.Close(3, "value");
}

}  // namespace

size_t getOneValue(std::string_view text, std::string& out) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    out.assign(text);
    return 0;
  }
  out.assign(text.substr(0, comma));
  return comma + 1;
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    // Control bytes other than white space have no place in XML text.
    // White space is kept as a character reference, so no line of the
    // ticket can begin with a value's text: the device reads the job stream
    // line by line, and a value line starting "@PJL" would be a command.
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
    switch (c) {
      case '\t': out += "&#9;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

TicketTable SpecialPageTicketData(Job& job) {
  auto& r = job.mod.specialPage;
  return {
      {job.Key("JTIFCoverCountTicket"), &r.coverCount, 4, GetTicketInteger},
      {job.Key("JTIFInsertionCountTicket"), &r.insertionCount, 4, GetTicketInteger},
      {job.Key("JTIFExceptionCountTicket"), &r.exceptionCount, 4, GetTicketInteger},
  };
}

void SpecialPageInializeDescriptionTable(Job& job) { job.mod.specialPage = SpecialPageState{}; }

void SpecialPageGetTicketFromPDE(Job& job) { GetTicketFromArray(job, SpecialPageTicketData(job)); }

void InjectJTIFCommandSP(Job& job) {
  const auto& r = job.mod.specialPage;
  const int32_t covers = std::max(r.coverCount, 0);
  const int32_t insertions = std::max(r.insertionCount, 0);
  const int32_t exceptions = std::max(r.exceptionCount, 0);
  if (covers == 0 && insertions == 0 && exceptions == 0) return;

  const auto records = [&](const char* family, int32_t count) {
    std::vector<std::vector<std::string>> out;
    const std::string prefix = job.Key(family);
    for (long index : RecordIndexes(job, prefix, count)) {
      out.push_back(Fields(RecordValue(job, prefix + std::to_string(index))));
    }
    return out;
  };

  JtifWriter w;
  w.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  w.Raw("<!DOCTYPE jtif SYSTEM \"jtif-v02030a.dtd\">\n");
  w.Raw("<jtif version=\"1.0\" mrdl-version=\"2.01\" xml:lang=\"en-US\">\n");
  w.Raw("  <job-template-attributes>\n");
  for (const auto& f : records("JTIFCoverValueTicket_", covers)) Cover(w, f);
  if (insertions > 0) {
    w.Open(2, "insert-sheet", "1setOf");
    for (const auto& f : records("JTIFInsertionValueTicket_", insertions)) Insertion(w, f);
    w.Close(2, "insert-sheet");
  }
  if (exceptions > 0) {
    w.Open(2, "page-overrides", "1setOf");
    for (const auto& f : records("JTIFExceptionValueTicket_", exceptions)) Exception(w, f);
    w.Close(2, "page-overrides");
  }
  w.Raw("  </job-template-attributes>\n");
  w.Raw("</jtif>\n");
  ZQfputs(w.xml(), job.out);
  for (const char* what : w.unsized()) {
    job.Log("WARNING", std::string("Special page in ") + what + " has no readable paper size; sent without one");
  }
}

const FilterModule SpecialPageModule{"SpecialPage", SpecialPageInializeDescriptionTable, SpecialPageGetTicketFromPDE,
                                     nullptr, nullptr};

}  // namespace zqf
