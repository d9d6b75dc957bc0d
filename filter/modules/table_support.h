#pragma once
// Helpers of the modules' tables. Named condition items for the modules' format rows, so a row reads as
// what it requires ("print type is secure, user name filled") rather than
// as pointers and compare functions.
#include <cstdint>
#include <string>

#include "../core/engine.h"
#include "../core/job.h"
#include "../core/output.h"

namespace zqf::cond {

inline ComparationItem Is(const int32_t& value, const int32_t& constant) {
  return {&value, &constant, IntCampareFunc};
}
inline ComparationItem IsNot(const int32_t& value, const int32_t& constant) {
  return {&value, &constant, IntNoEqualCampareFunc};
}
inline ComparationItem Filled(const std::string& text) { return {&text, &OptionNULLStr, StrNoNULLCampareFunc}; }
inline ComparationItem Empty(const std::string& text) { return {&text, &OptionNULLStr, StrIsNULLCampareFunc}; }
inline ComparationItem ShorterThan(const std::string& text, const int32_t& bytes) {
  return {&text, &bytes, StrLengthLessThanCampareFunc};
}
inline ComparationItem Contains(const std::string& text, const char* part) {
  return {&text, part, StrContainCampareFunc};
}
inline ComparationItem Lacks(const std::string& text, const char* part) {
  return {&text, part, StrNotContainCampareFunc};
}
inline ComparationItem Equals(const std::string& text, const char* whole) {
  return {&text, whole, StrEqualCampareFunc};
}

}  // namespace zqf::cond

namespace zqf {

// The "%c" parameters of the rows, by the line end they give.
inline constexpr const CtrlChar* Q = &CTRLSym_DOUBLE;
inline constexpr const CtrlChar* CR = &CTRLSym_CR;
inline constexpr const CtrlChar* LF = &CTRLSym_LF;

// The extended job attributes of the accounting rows: "@PJL SET JOBATTR=" and
// the attribute in double quotes.
namespace jobattr {
// "@<name>=<value>" ending CR LF.
inline FmtTableRow Quoted(const char* name, const std::string& value, Comparation cond) {
  return {std::string("@PJL SET JOBATTR=%c@") + name + "=%s%c%c%c", {{Q, &value, Q, CR, LF}}, std::move(cond)};
}
// "@<name>=<value>" ending LF only (the identity attributes).
inline FmtTableRow QuotedLF(const char* name, const std::string& value, Comparation cond) {
  return {std::string("@PJL SET JOBATTR=%c@") + name + "=%s%c%c", {{Q, &value, Q, LF}}, std::move(cond)};
}
// A fixed "@<text>" ("JOEP=", "JOAU=UnknownUser"), ending CR LF or LF only.
inline FmtTableRow Fixed(const std::string& text, bool lfOnly, Comparation cond) {
  if (lfOnly) return {"@PJL SET JOBATTR=%c@" + text + "%c\n", {{Q, Q}}, std::move(cond)};
  return {"@PJL SET JOBATTR=%c@" + text + "%c%c%c", {{Q, Q, CR, LF}}, std::move(cond)};
}
}  // namespace jobattr

// Writes one line built from a format and its values (made PJL-safe and
// kept within a PJL line by the engine).
inline void WritePjlLine(Job& job, std::string_view format, std::vector<ValueRef> values = {}) {
  std::string line;
  BuildPrintComand(format, SymPara{std::move(values)}, line);
  ZQfputs(line, job.out);
}

}  // namespace zqf
