#include "identity.h"

#include <algorithm>
#include <string>

#include "job.h"
#include "platform_points.h"
#include "text.h"
#include "ticket.h"
#include "zqp/utf8.h"

namespace zqf {
namespace {

bool HasLineEnd(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

const ValidateDataScale& DocumentScale(int productType) {
  if (productType == 3) return docuNameValidateDataScaleForProduct03;
  if (productType == 2) return docuNameValidateDataScaleForProduct02;
  return docuNameValidateDataScale;
}

size_t DocumentLimit(int productType) { return productType == 3 ? 64 : productType == 2 ? 12 : 32; }

}  // namespace

int ReadProductType(Job& job) {
  int32_t type = -1;
  GetTicketInteger(job, job.Key("PrintTypeProductTypeTicketKey"), job.options, &type, sizeof type);
  return type;
}

void PrepareIdentityTeld(Job& job) {
  const auto& w = job.profile.widths;
  ConvertUTF8ToEncoding(job, job.Arg(2), job.StdUserName, w.userName);
  // The accounting name keeps its terminator: at most width - 1 bytes.
  job.StdJBAUserName = zqp::Utf8Prefix(job.StdUserName, w.jbaUserName - 1);
  InvalidateStdUserName(job);

  job.StdDocumentName.clear();
  job.PTStdDocumentName.clear();
  const std::string title = job.Arg(3);
  if (!HasLineEnd(title)) {
    ConvertUTF8ToEncoding(job, title, job.StdDocumentName, w.documentName);
    InvalidateStdDocumentNameForProductType(job);
  }
  getHostName(job.HostNameStr, w.hostName);
}

void InvalidateStdUserName(Job& job) {
  std::string& name = job.StdUserName;
  name = zqp::Utf8Prefix(name, 255);
  if (name.empty() || !ValidateDada(name, userNameValidateDataScale) || IsAllSpace(name)) name = "UnknownUser";
}

void InvalidateStdDocumentNameForProductType(Job& job) {
  const int type = ReadProductType(job);
  if (type == -1) return;
  const size_t limit = DocumentLimit(type);
  std::string& doc = job.StdDocumentName;

  if (doc.size() > limit) {
    // Wide characters take two cells; the name is cut where it fills the
    // limit, one byte earlier when a wide character straddles it.
    std::u16string units;
    zqp::Utf8ToUtf16(doc, units);
    size_t cells = 0;
    for (char16_t u : units) {
      cells += (u & 0x1100) ? 2 : 1;
      if (cells == limit) {
        doc = zqp::Utf8Prefix(doc, limit);
        break;
      }
      if (cells == limit + 1) {
        doc = zqp::Utf8Prefix(doc, limit - 1);
        break;
      }
    }
  }
  job.PTStdDocumentName = zqp::Utf8Prefix(doc, std::min(limit, job.profile.widths.ptDocumentName - 1));
  if (!ValidateDada(job.PTStdDocumentName, DocumentScale(type))) job.PTStdDocumentName.clear();
}

void InvalidateStdDocumentName(Job& job, size_t maxBytes) {
  job.StdDocumentName = zqp::Utf8Prefix(job.StdDocumentName, maxBytes);
}

void InvalidatePrintTypeDocumentNameForProductType(Job& job) {
  const int type = ReadProductType(job);
  if (type == -1) return;
  const size_t limit = DocumentLimit(type);
  job.PTStdDocumentName = zqp::Utf8Prefix(job.PTStdDocumentName, limit);
  if (!ValidateDada(job.PTStdDocumentName, DocumentScale(type))) job.PTStdDocumentName.clear();
}

}  // namespace zqf
