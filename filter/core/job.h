#pragma once
// The per-job context and the edition profile. An edition (teld, ark, kv29)
// is data: which modules run at each fan-out, the header steps, the text
// conversion, field widths and the pass-through's line table. All per-job
// state lives in one Job that main owns, so editions can run side by side
// in one process and nothing leaks from one job to the next.
#include <csignal>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <cups/ppd.h>

#include "encodings.h"
#include "output.h"
#include "text.h"
#include "ticket.h"
#include "../modules/records.h"

namespace zqf {

struct Job;

// Set by the signal handlers only; read at page ends.
extern volatile std::sig_atomic_t CancelJob;
extern volatile std::sig_atomic_t CancelJobForPipe;

struct FilterModule {
  const char* name;
  void (*bind)(Job&) = nullptr;
  void (*ticket)(Job&) = nullptr;
  void (*pjl)(Job&) = nullptr;
  void (*ps)(Job&, int event, int page, Stream& stream) = nullptr;
  // After the PostScript has passed through: tells the scheduler what the
  // ticket asked of the module that the job did not get.
  void (*end)(Job&) = nullptr;
};

using HeaderStep = void (*)(Job&);

// What the pass-through does at a line that equals a token, step by step.
enum class PassOp : uint8_t {
  CountPage,        // increment the page counter
  Event,            // raise the hook event
  StopIfCancelled,  // end the pass here when the job was cancelled
  Write,            // write the line and its line end
  LogPage,          // "PAGE:<n> <copies>" on standard error
};
struct PassStep {
  PassOp op;
  int event = 0;
};
struct PassToken {
  std::string_view line;
  std::vector<PassStep> steps;
  bool eventOnce = false;  // the event is raised at the first such line only
};
struct PassThroughProfile {
  std::vector<PassToken> tokens;
  bool eotOnCancel = false;     // the closing 0x04 is written after a cancel too
  int32_t pageLogMinOs = 0;     // PAGE lines from this OS version code on
};

enum class DecompVariant { None, Teld, Ark };

// Sizes of the job-identity records in bytes, terminator included.
struct FieldWidths {
  size_t userName = 255;
  size_t jbaUserName = 32;
  size_t documentName = 255;
  size_t ptDocumentName = 255;
  size_t hostName = 97;
  size_t ipAddress = 46;
  size_t nupInfo = 10;
};

struct EditionProfile {
  const char* name;
  const char* ns;  // ticket namespace
  std::vector<const FilterModule*> bindOrder;
  std::vector<const FilterModule*> ticketOrder;
  std::vector<const FilterModule*> pjlOrder;
  std::vector<const FilterModule*> psOrder;
  std::vector<HeaderStep> header;
  // Fills the user and document names from argv[2] and argv[3], and the
  // host name.
  void (*prepareIdentity)(Job&);
  TextConverter convert;
  FieldWidths widths;
  PassThroughProfile pass;
  DecompVariant decomp = DecompVariant::None;
  bool handleSigpipe = true;
  bool jobCopy = true;
  bool trailer = true;
};

struct PpdCloser {
  void operator()(ppd_file_t* ppd) const { ppdClose(ppd); }
};
using PpdHandle = std::unique_ptr<ppd_file_t, PpdCloser>;

struct Job {
  Job(const EditionProfile& profile, std::vector<std::string> args, Stream& out, Stream& err);

  const EditionProfile& profile;
  std::vector<std::string> argv;  // argv[0] .. argv[5] or argv[6]
  Options options;
  PpdHandle ppd;                  // null when the PPD cannot be opened
  Stream& out;                    // standard output: the device job stream
  Stream& err;                    // standard error: the scheduler's log
  std::unique_ptr<Stream> jobCopy;

  // Job identity.
  std::string StdUserName;
  std::string StdJBAUserName;
  std::string StdDocumentName;
  std::string PTStdDocumentName;
  std::string HostNameStr;
  std::string IPAddressStr;
  std::string StdNUpInfo;
  std::string StdLayoutInfo;
  std::string StdLayoutDirectionInfo;
  std::string StdLayoutRowInfo;
  std::string StdLayoutColumnInfo;

  ModuleRecords mod;

  // What the edition derives from the PPD once per job.
  struct EditionState {
    bool utf8Product = false;                       // "ZQPrinterLanguageEncoding" is "UTF-8"
    TextEncoding printerText = TextEncoding::Utf8;  // the text the device reads
    TextEncoding nameCheck = TextEncoding::Utf8;    // the encoding names are checked in
  } edition;

  // Pass-through state.
  bool decompMode = false;
  int page = 0;
  std::vector<bool> tokenSeen;  // per pass-through token, for once-only events

  // Decomposition state: the choices remembered from the feature sections.
  struct Decomp {
    std::string colorMode, rgbImageType, rgbInputProfile, rgbCorrection, engineScreen;
    bool defaultsWritten = false;
    int resolution = 0;  // from the output mode's feature section
    bool resolutionWritten = false;
    std::unordered_set<std::string> written;  // the PJL lines the job stream holds
  } decomp;

  // The edition's key for a setting name.
  std::string Key(std::string_view name) const { return std::string(profile.ns) + std::string(name); }
  const char* Arg(size_t i) const { return i < argv.size() ? argv[i].c_str() : ""; }
  // The value of a PPD attribute by name prefix, or nullptr.
  const char* PpdAttr(const char* name) const;
  // Set by an "ERROR" log line: the job ends with a non-zero status.
  bool failed = false;

  // Writes "ERROR: ..." / "WARNING: ..." lines for the scheduler.
  void Log(std::string_view level, std::string_view message);
};

}  // namespace zqf
