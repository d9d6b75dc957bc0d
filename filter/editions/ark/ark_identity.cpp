#include "ark_identity.h"

#include <cstring>

#include "../../core/identity.h"
#include "../../core/output.h"
#include "../../core/platform_points.h"
#include "zqp/utf8.h"

namespace zqf::ark {
namespace {

constexpr size_t kUtf8UserName = 766;
constexpr size_t kUtf8AccountingName = 96;  // bytes of the login name on UTF-8 products
constexpr size_t kAccountingName = 32;
constexpr size_t kNameUnits = 32;

bool HasLineEnd(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

size_t DocumentLimit(int productType) { return productType == 2 ? 12 : 64; }

}  // namespace

size_t ConvertUTF8ToLatin1Units(const Job&, std::string_view text, std::string& out, size_t size) {
  out.clear();
  if (size == 0 || !zqp::IsValidUtf8(text)) return 0;
  size_t pos = 0;
  char32_t cp;
  while (pos < text.size() && out.size() < size - 1) {
    zqp::NextCodePoint(text, pos, cp);
    if (cp <= 0xFF) out.push_back(static_cast<char>(cp));
  }
  return out.size();
}

size_t ConvertUTF8ToPrinterText(const Job& job, std::string_view text, std::string& out, size_t size) {
  // A product that reads UTF-8 must not get Latin-1 bytes in its lines.
  if (job.edition.utf8Product) return ConvertUTF8ToUTF8Units(job, text, out, size);
  return ConvertUTF8ToLatin1Units(job, text, out, size);
}

void PrepareIdentityArk(Job& job) {
  const char* encoding = job.PpdAttr("ZQPrinterLanguageEncoding");
  job.edition.utf8Product = encoding != nullptr && std::strcmp(encoding, "UTF-8") == 0;
  job.edition.printerText = job.edition.utf8Product ? TextEncoding::Utf8 : TextEncoding::Latin1;

  if (job.edition.utf8Product) {
    ConvertUTF8ToEncodingForUTF8(job, job.Arg(2), job.StdUserName, kUtf8UserName);
    job.StdJBAUserName = zqp::Utf8Prefix(job.StdUserName, kUtf8AccountingName);
  } else {
    ConvertUTF8ToEncoding(job, job.Arg(2), job.StdUserName, job.profile.widths.userName);
    job.StdJBAUserName = job.StdUserName.substr(0, kAccountingName);
  }
  ark::InvalidateStdUserName(job);

  job.StdDocumentName.clear();
  job.PTStdDocumentName.clear();
  const std::string_view title = job.Arg(3);
  if (!HasLineEnd(title)) {
    if (job.edition.utf8Product) {
      ConvertUTF8ToEncodingForUTF8(job, title, job.StdDocumentName, job.profile.widths.documentName);
      job.PTStdDocumentName = job.StdDocumentName;
      ark::InvalidateStdDocumentNameForProductType(job);
      ark::InvalidatePrintTypeDocumentNameForProductType(job);
    } else {
      ConvertUTF8ToEncoding(job, title, job.StdDocumentName, job.profile.widths.documentName);
      ark::InvalidateStdDocumentNameForProductType(job);
    }
  }
  ark::getHostName(job);
}

void InvalidateStdUserName(Job& job) {
  if (!job.edition.utf8Product) {
    zqf::InvalidateStdUserName(job);
    return;
  }
  std::string& name = job.StdUserName;
  if (zqp::Utf16Length(name) >= 256) name = zqp::Utf8PrefixUnits(name, 255);
  if (name.empty() || !ValidateDada(name, userNameValidateDataScaleForUTF8) || IsAllSpace(name)) {
    name = job.StdJBAUserName = "UnknownUser";
    return;
  }
  if (zqp::Utf16Length(name) > kNameUnits) job.StdJBAUserName = zqp::Utf8PrefixUnits(name, kNameUnits);
}

void InvalidateStdDocumentName(Job& job) { zqf::InvalidateStdDocumentName(job, 64); }

void InvalidateStdDocumentNameForProductType(Job& job) {
  const int type = ReadProductType(job);
  std::string& doc = job.StdDocumentName;
  if (job.edition.utf8Product) {
    if (type == -1) return;
    doc = zqp::Utf8PrefixUnits(doc, DocumentLimit(type));
    return;
  }
  if (type == -1) return;  // nothing copied; an empty name passes every scale
  const size_t limit = DocumentLimit(type);
  doc = doc.substr(0, limit);
  job.PTStdDocumentName = doc;
  const ValidateDataScale& scale = type == 3   ? docuNameValidateDataScaleForProduct03
                                   : type == 2 ? docuNameValidateDataScaleForProduct02
                                               : docuNameValidateDataScale;
  if (!ValidateDada(job.PTStdDocumentName, scale)) job.PTStdDocumentName.clear();
}

void InvalidatePrintTypeDocumentNameForProductType(Job& job) {
  const int type = ReadProductType(job);
  std::string& pt = job.PTStdDocumentName;
  if (type != -1) pt = zqp::Utf8PrefixUnits(pt, DocumentLimit(type));
  const ValidateDataScale& scale =
      (type == 5 || type == 3) ? docuNameValidateDataScaleForProduct03UTF8 : docuNameValidateDataScale;
  if (!ValidateDada(pt, scale)) pt.clear();
}

void getHostName(Job& job) {
  zqf::getHostName(job.HostNameStr, 256);
  if (job.edition.utf8Product && zqp::Utf16Length(job.HostNameStr) > kNameUnits) {
    job.HostNameStr = zqp::Utf8PrefixUnits(job.HostNameStr, kNameUnits);
  }
  job.HostNameStr = zqp::Utf8Prefix(job.HostNameStr, job.profile.widths.hostName - 1);
}

void OutputEPJLCommandLanguageEncodingForKLT4R2B(Job& job) {
  if (job.edition.utf8Product) ZQfputs("@PJL SET STRINGCODESET=UTF8\n", job.out);
}

}  // namespace zqf::ark
