#include "kv29_identity.h"

#include <cstring>

#include "../../core/identity.h"
#include "../../core/platform_points.h"
#include "zqp/utf8.h"

namespace zqf::kv29 {
namespace {

constexpr size_t kNameChars = 32;
constexpr size_t kTitleBytes = 32;
constexpr size_t kProductTitleBytes = 12;

// The first n characters of text in the encoding, when it can be read.
bool FirstCharacters(std::string& text, TextEncoding encoding, size_t n) {
  std::string utf8;
  if (!DecodeText(text, encoding, utf8)) return false;
  size_t pos = 0, count = 0;
  char32_t cp;
  while (pos < utf8.size() && count < n && zqp::NextCodePoint(utf8, pos, cp)) ++count;
  if (pos == utf8.size()) return true;
  std::string shorter;
  if (!EncodeText(utf8.substr(0, pos), encoding, shorter)) return false;
  text = std::move(shorter);
  return true;
}

}  // namespace

size_t ConvertUTF8ToPrinterEncoding(const Job& job, std::string_view text, std::string& out, size_t size) {
  out.clear();
  if (size == 0) return 0;
  std::string encoded;
  if (!EncodeText(text, job.edition.printerText, encoded)) return 0;
  out = encoded.substr(0, CutPoint(encoded, job.edition.printerText, size - 1));
  return out.size();
}

std::string CopyStringUpToByteCount(std::string_view text, size_t maxBytes, TextEncoding encoding) {
  if (text.size() <= maxBytes) return std::string(text);
  std::string utf8;
  if (!DecodeText(text, encoding, utf8)) return {};
  // Grow the prefix a character at a time while its encoded form fits.
  std::string best, encoded;
  size_t pos = 0;
  char32_t cp;
  while (pos < utf8.size() && zqp::NextCodePoint(utf8, pos, cp)) {
    if (!EncodeText(utf8.substr(0, pos), encoding, encoded) || encoded.size() > maxBytes) break;
    best = encoded;
  }
  return best;
}

void PrepareIdentityKv29(Job& job) {
  const char* value = job.PpdAttr("ZQPrinterLanguageEncoding");
  auto& ed = job.edition;
  if (value != nullptr && std::strcmp(value, "UTF-8") == 0) {
    ed.printerText = ed.nameCheck = TextEncoding::Utf8;
  } else if (value != nullptr && std::strcmp(value, "JIS83-RKSJ") == 0) {
    ed.printerText = ed.nameCheck = TextEncoding::ShiftJisX0213;
  } else if (value != nullptr && std::strcmp(value, "ISOLatin1") == 0) {
    ed.printerText = ed.nameCheck = TextEncoding::Latin1;
  } else {
    ed.printerText = TextEncoding::ShiftJisX0213;
    ed.nameCheck = TextEncoding::Utf8;
  }
  ed.utf8Product = ed.printerText == TextEncoding::Utf8;

  ConvertUTF8ToEncoding(job, job.Arg(2), job.StdUserName, job.profile.widths.userName);
  kv29::InvalidateStdUserName(job);
  // A title with a line end is left out, as the other editions do: it must
  // not end the comment line that carries it.
  job.StdDocumentName.clear();
  const std::string_view title = job.Arg(3);
  if (title.find_first_of("\r\n") == std::string_view::npos) {
    ConvertUTF8ToEncoding(job, title, job.StdDocumentName, job.profile.widths.documentName);
  }
  kv29::InvalidateStdDocumentName(job);
  kv29::InvalidateStdDocumentNameForProductType(job);
  getHostName(job.HostNameStr, job.profile.widths.hostName);
}

void InvalidateStdUserName(Job& job) {
  std::string& name = job.StdUserName;
  name = name.substr(0, CutPoint(name, job.edition.printerText, 255));
  // A name that cannot be read in the name-check encoding stays as bytes.
  if (!name.empty()) FirstCharacters(name, job.edition.nameCheck, kNameChars);
  if (name.empty() || !ValidateDada(name, userNameValidateDataScale) || IsAllSpace(name)) name = "UnknownUser";
}

void InvalidateStdDocumentName(Job& job) {
  std::string& title = job.StdDocumentName;
  if (title.size() > kTitleBytes) title = CopyStringUpToByteCount(title, kTitleBytes, job.edition.nameCheck);
}

void InvalidateStdDocumentNameForProductType(Job& job) {
  const int type = ReadProductType(job);
  if (type == 2 || type == 3) {
    job.PTStdDocumentName.clear();
    if (job.StdDocumentName.size() <= kProductTitleBytes &&
        ValidateDada(job.StdDocumentName, docuNameValidateDataScaleForProduct02)) {
      job.PTStdDocumentName = job.StdDocumentName;
    }
  } else {
    job.PTStdDocumentName = job.StdDocumentName;
  }
}

}  // namespace zqf::kv29
