#include "engine.h"

#include <cstring>

#include "job.h"
#include "output.h"
#include "zqp/utf8.h"

namespace zqf {

int32_t RefInt(const ValueRef& v) {
  if (auto p = std::get_if<const int32_t*>(&v); p != nullptr && *p != nullptr) return **p;
  return 0;
}

std::string_view RefText(const ValueRef& v) {
  if (auto p = std::get_if<const std::string*>(&v); p != nullptr && *p != nullptr) return **p;
  if (auto p = std::get_if<const char*>(&v); p != nullptr && *p != nullptr) return *p;
  return {};
}

void InitializeCmdParaTable(SymPara& para, std::vector<ValueRef> values) { para.values = std::move(values); }

void InitializeComparationTable(Comparation& cond, std::vector<ComparationItem> items) {
  cond.items = std::move(items);
}

int IntCampareFunc(const ValueRef& l, const ValueRef& r) { return RefInt(l) == RefInt(r); }
int IntNoEqualCampareFunc(const ValueRef& l, const ValueRef& r) { return RefInt(l) != RefInt(r); }
int StrEqualCampareFunc(const ValueRef& l, const ValueRef& r) { return RefText(l) == RefText(r); }
int StrContainCampareFunc(const ValueRef& l, const ValueRef& r) {
  const auto left = RefText(l);
  return !left.empty() && left.find(RefText(r)) != std::string_view::npos;
}
int StrNotContainCampareFunc(const ValueRef& l, const ValueRef& r) { return !StrContainCampareFunc(l, r); }
int StrNoNULLCampareFunc(const ValueRef& l, const ValueRef&) { return !RefText(l).empty(); }
int StrIsNULLCampareFunc(const ValueRef& l, const ValueRef&) { return RefText(l).empty(); }
int StrLengthLessThanCampareFunc(const ValueRef& l, const ValueRef& r) {
  const int32_t limit = RefInt(r);
  return limit > 0 && RefText(l).size() < static_cast<size_t>(limit);
}

int ConditionCompare(const Comparation& cond) {
  for (const auto& item : cond.items) {
    if (item.compare == nullptr || !item.compare(item.left, item.right)) return 0;
  }
  return 1;
}

int IsCtrlSym(const char* twoChars) {
  if (twoChars == nullptr || twoChars[0] != '%') return 0;
  for (const auto& sym : ctrlSymTalbe) {
    if (twoChars[1] == sym.symbol[1]) return 1;
  }
  return 0;
}

const char* GetNextCtrlSym(const char* text) {
  if (text == nullptr) return nullptr;
  for (const char* p = std::strchr(text, '%'); p != nullptr; p = std::strchr(p + 1, '%')) {
    if (IsCtrlSym(p)) return p;
  }
  return nullptr;
}

size_t getCtrlSym(const char* symbol, const ValueRef& value, std::string& out) {
  out.clear();
  switch (symbol[1]) {
    case 'd':
      out = std::to_string(RefInt(value));
      break;
    case 'c':
      if (auto p = std::get_if<const CtrlChar*>(&value); p != nullptr && *p != nullptr) out.push_back((*p)->c);
      break;
    case 's':
      out = RefText(value);
      break;
    default:
      break;
  }
  return out.size();
}

std::string PjlSafe(std::string_view value) {
  std::string safe;
  safe.reserve(value.size());
  for (char c : value) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || c == '"') continue;
    safe.push_back(c);
  }
  return safe;
}

void BuildPrintComand(std::string_view format, const SymPara& para, std::string& out, size_t size) {
  out.clear();
  if (format.empty() || size == 0) return;
  const size_t limit = size - 1;

  // Split the format into literal pieces and formatted values first, so the
  // room left for the "%s" values is known before any of them is placed.
  struct Piece {
    std::string text;
    bool cuttable;
  };
  std::vector<Piece> pieces;
  size_t fixed = 0, next = 0, pos = 0;
  std::string value;
  while (pos < format.size()) {
    size_t sym = format.find('%', pos);
    while (sym != std::string_view::npos && !(sym + 1 < format.size() && IsCtrlSym(format.data() + sym))) {
      sym = format.find('%', sym + 1);
    }
    if (sym == std::string_view::npos) {
      pieces.push_back({std::string(format.substr(pos)), false});
      fixed += format.size() - pos;
      break;
    }
    pieces.push_back({std::string(format.substr(pos, sym - pos)), false});
    fixed += sym - pos;
    const char symbol[3] = {'%', format[sym + 1], '\0'};
    const ValueRef& ref = next < para.values.size() ? para.values[next] : ValueRef{};
    ++next;
    getCtrlSym(symbol, ref, value);
    if (symbol[1] == 's') {
      pieces.push_back({PjlSafe(value), true});
    } else {
      fixed += value.size();
      pieces.push_back({value, false});
    }
    pos = sym + 2;
  }

  size_t room = fixed < limit ? limit - fixed : 0;
  for (const auto& piece : pieces) {
    if (piece.cuttable) {
      const auto kept = zqp::Utf8Prefix(piece.text, room);
      out += kept;
      room -= kept.size();
    } else {
      out += piece.text;
    }
  }
  // Only a format longer than a line can be reaches this: keep the limit.
  if (out.size() > limit) out.resize(limit);
}

void OutputEPJLCommandFromArray(Job& job, const FmtTable& rows) { OutputEPJLCommandFromArray(job, rows, job.out); }

void OutputEPJLCommandFromArray(Job&, const FmtTable& rows, Stream& stream) {
  std::string line;
  for (const auto& row : rows) {
    if (!ConditionCompare(row.cond)) continue;
    BuildPrintComand(row.format, row.para, line);
    ZQfputs(line, stream);
  }
}

std::string EPJLAttributeLines(const std::vector<std::string_view>& names, const std::vector<int32_t>& values) {
  std::string lines;
  for (size_t i = 0; i < names.size() && i < values.size(); ++i) {
    lines += "@PJL SET JOBATTR=\"@";
    lines += names[i];
    lines += '=';
    lines += std::to_string(values[i]);
    lines += "\"\n";
  }
  return lines;
}

void outputEPJLCommandFromArray(Job& job, const std::vector<std::string_view>& names,
                                const std::vector<int32_t>& values) {
  ZQfputs(EPJLAttributeLines(names, values), job.out);
}

}  // namespace zqf
