#pragma once
// Reading the print-settings ticket: the CUPS job options of argv[5], read
// through tables of ticket rows into the job's records.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace zqf {

struct Job;

// The job options, parsed once per job.
class Options {
 public:
  Options() = default;
  explicit Options(const char* text);
  Options(const Options&) = delete;
  Options& operator=(const Options&) = delete;
  Options(Options&& other) noexcept;
  Options& operator=(Options&& other) noexcept;
  ~Options();

  // The value of a key as cupsGetOption returns it; for a PPD option the
  // job does not name, the PPD's default choice (see TakeDefaults); or
  // nullptr.
  const char* Get(std::string_view key) const;
  // Whether the job itself names the key; a PPD default does not count.
  bool Names(std::string_view key) const;
  // Every option of the PPD that the job does not name stands at the PPD's
  // default choice, as the scheduler marks the PPD for a job (defaults
  // first, the job's options over them). A queue's defaults, as lpadmin -o
  // sets them, live only there: pstops writes them into the PostScript, but
  // the job's options never carry them.
  void TakeDefaults(ppd_file_t* ppd);
  int count() const { return num_; }
  cups_option_t* data() const { return opts_; }
  // The raw option string, as the scheduler passed it.
  const std::string& raw() const { return raw_; }
  // The names of the options that begin with prefix, in ticket order.
  std::vector<std::string_view> NamesWithPrefix(std::string_view prefix) const;

  // While set, every key looked up is appended here, and every prefix walked
  // as "<prefix>*": lets a check reach every value the filter reads without
  // keeping a list of keys by hand.
  static void RecordKeys(std::vector<std::string>* sink);

 private:
  int num_ = 0;
  cups_option_t* opts_ = nullptr;
  int numDefaults_ = 0;
  cups_option_t* defaults_ = nullptr;
  std::string raw_;
};

using TicketDest = std::variant<int32_t*, float*, std::string*>;
using TicketGetter = int (*)(Job& job, const std::string& key, const Options& options, TicketDest dest,
                             size_t size);

// A ticket row: key, destination, destination size in bytes (terminator
// included, as the record it stands for), getter.
struct TicketData {
  std::string key;
  TicketDest dest;
  size_t size;
  TicketGetter getter;
};
using TicketTable = std::vector<TicketData>;

// Calls each row's getter in row order; returns 1.
int GetTicketFromArray(Job& job, const TicketTable& rows);

int GetTicketInteger(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetTicketFloat(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetTicketString(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetTicketStringConvertedToPrtLang(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetTicketStringConvertedToPrtLangForUTF8(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetLengthOfTicketStringConvertedToPrtLang(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetLengthOfTicketStringConvertedToPrtLangForUTF8(Job&, const std::string& key, const Options&, TicketDest,
                                                     size_t);
int GetTicketStringConvertedToPPDEncodingString(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetNumberUpTicketString(Job&, const std::string& key, const Options&, TicketDest, size_t);
int GetNumberUpTicketStringForComment(Job&, const std::string& key, const Options&, TicketDest, size_t);
int CheckTicketKey(Job&, const std::string& key, const Options&, TicketDest, size_t);

// Values are unescaped from a copy of at most this many bytes.
inline constexpr size_t kUnescapeBufferSize = 1024;

// Decodes the escaped form "/<code>/<code>..." in place (at most size - 1
// bytes are considered); a value that does not begin with "/" is left as it
// is. A code of 256 or more, or one that is not a number, becomes the byte 0
// and so ends the text.
void numstrtochar(std::string& text, size_t size = kUnescapeBufferSize);

// The keys of the layout that the N-up texts fall back on.
inline constexpr const char* kLayoutRowsKey = "com.apple.print.PrintSettings.PMLayoutRows..n.";
inline constexpr const char* kLayoutColumnsKey = "com.apple.print.PrintSettings.PMLayoutColumns..n.";

}  // namespace zqf
