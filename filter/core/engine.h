#pragma once
// The command-table engine: PJL lines are written from static format rows,
// each with a parameter list and a condition list over the job's records.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zqf {

class Stream;
struct Job;

// One-byte constants that rows pass as "%c" parameters. A distinct type so
// that a parameter pointing at one byte cannot be mistaken for a string.
struct CtrlChar {
  char c;
};
inline constexpr CtrlChar CTRLSym_DOUBLE{'"'};
inline constexpr CtrlChar CTRLSym_CR{'\r'};
inline constexpr CtrlChar CTRLSym_LF{'\n'};
inline constexpr CtrlChar CTRLSym_ESC{'\x1b'};
inline constexpr CtrlChar CTRLSym_PERCENTAGE{'%'};

// Right side of the empty / non-empty tests.
inline const std::string OptionNULLStr;

// What a parameter or a condition operand refers to: a 32-bit integer, one
// byte, a record string, or a string constant.
using ValueRef = std::variant<std::monostate, const int32_t*, const CtrlChar*, const std::string*, const char*>;

// Reads an operand as an integer (0 when it is not one) or as text (empty
// when it is not one).
int32_t RefInt(const ValueRef& v);
std::string_view RefText(const ValueRef& v);

// Control symbols that a format row may hold.
enum class CtrlSymType { Dec = 0, Char = 1, String = 2 };
struct CtrlSym {
  const char* symbol;
  CtrlSymType type;
};
inline constexpr CtrlSym ctrlSymTalbe[] = {
    {"%d", CtrlSymType::Dec}, {"%c", CtrlSymType::Char}, {"%s", CtrlSymType::String}};
inline constexpr int CtrlSymNum = 3;
inline constexpr const char* CtrlSym_Dec = "%d";
inline constexpr const char* CtrlSym_Char = "%c";
inline constexpr const char* CtrlSym_String = "%s";

using CompareFunc = int (*)(const ValueRef& left, const ValueRef& right);

struct ComparationItem {
  ValueRef left;
  ValueRef right;
  CompareFunc compare;
};

// A condition list holds when every item holds; an empty list holds.
struct Comparation {
  std::vector<ComparationItem> items;
};

// The k-th control symbol of a format takes the k-th value; surplus values
// are not used.
struct SymPara {
  std::vector<ValueRef> values;
};

struct FmtTableRow {
  std::string format;
  SymPara para;
  Comparation cond;
};
using FmtTable = std::vector<FmtTableRow>;

void InitializeCmdParaTable(SymPara& para, std::vector<ValueRef> values);
void InitializeComparationTable(Comparation& cond, std::vector<ComparationItem> items);

int IntCampareFunc(const ValueRef& l, const ValueRef& r);
int IntNoEqualCampareFunc(const ValueRef& l, const ValueRef& r);
int StrEqualCampareFunc(const ValueRef& l, const ValueRef& r);
int StrContainCampareFunc(const ValueRef& l, const ValueRef& r);
int StrNotContainCampareFunc(const ValueRef& l, const ValueRef& r);
int StrNoNULLCampareFunc(const ValueRef& l, const ValueRef& r);
int StrIsNULLCampareFunc(const ValueRef& l, const ValueRef& r);
int StrLengthLessThanCampareFunc(const ValueRef& l, const ValueRef& r);

int ConditionCompare(const Comparation& cond);

// Longest line a row may produce, terminator excluded.
inline constexpr size_t kMaxCommandLine = 229;

// Pointer to the next control symbol in text, or nullptr.
const char* GetNextCtrlSym(const char* text);
int IsCtrlSym(const char* twoChars);
// Formats one value for a symbol; returns its length.
size_t getCtrlSym(const char* symbol, const ValueRef& value, std::string& out);

// Removes from a value what must never reach a PJL line from outside: line
// ends, escape, NUL, other control bytes and the double quote that closes a
// quoted attribute value.
std::string PjlSafe(std::string_view value);

// Fills a format with its parameters. Values of "%s" are made PJL-safe; a
// line that would pass `size - 1` bytes is shortened by cutting its "%s"
// values (at character boundaries), never the text of the format, so the
// closing quote and the line end survive.
void BuildPrintComand(std::string_view format, const SymPara& para, std::string& out,
                      size_t size = kMaxCommandLine + 1);

// Writes every row whose condition list holds.
void OutputEPJLCommandFromArray(Job& job, const FmtTable& rows);
void OutputEPJLCommandFromArray(Job& job, const FmtTable& rows, Stream& stream);

// For each name "@PJL SET JOBATTR=\"@<name>=<value>\"\n": the text, and
// the text written.
std::string EPJLAttributeLines(const std::vector<std::string_view>& names, const std::vector<int32_t>& values);
void outputEPJLCommandFromArray(Job& job, const std::vector<std::string_view>& names,
                                const std::vector<int32_t>& values);

}  // namespace zqf
