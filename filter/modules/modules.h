#pragma once
// The feature modules. Each is a set of tables bound to the job's records
// and up to four hooks; the editions list them in their fan-outs and their
// header steps. The table functions take the Job so that an edition can
// pick its keys (namespace) and field widths.
#include <string>
#include <string_view>

#include "../core/job.h"

namespace zqf {

extern const FilterModule PrintTypeModule;
extern const FilterModule JBAModule;
extern const FilterModule FeaturesModule;
extern const FilterModule SpecialPageModule;
extern const FilterModule WatermarkModule;
// For an edition that draws no watermarks: reads only the watermark's name
// and says, at the job's end, that a chosen watermark was not printed.
extern const FilterModule WatermarkNoticeModule;
extern const FilterModule PBindModule;
extern const FilterModule CommentModule;

// Print-type codes and document-name types (condition right sides).
inline constexpr int32_t OptionSecurePrintNone = 1;
inline constexpr int32_t OptionSecurePrint = 2;
inline constexpr int32_t OptionSamplePrint = 3;
inline constexpr int32_t OptionDelayPrint = 4;
inline constexpr int32_t OptionMBN = 5;
inline constexpr int32_t OptionDocumentNameAutoRetrieve = 1;
inline constexpr int32_t OptionDocumentNameEnterName = 2;
inline constexpr int32_t PRINTTYPEUSERNAMEDMAXLEN = 73;

// Job-authentication codes.
inline constexpr int32_t JBAModeListAdmin = 1;
inline constexpr int32_t JBAModeListUser = 2;
inline constexpr int32_t OptionUserInputTypeSelected = 1;
inline constexpr int32_t OptionUserInputTypeSelectedAdmin = 1;
inline constexpr int32_t OptionComInUserTypeUseLogin = 1;
inline constexpr int32_t OptionComInUserTypeUseLoginAdmin = 1;
inline constexpr int32_t OptionComInUserTypeEnterName = 2;
inline constexpr int32_t OptionComInUserTypeEnterNameAdmin = 2;

// Print type. The ticket rows with the edition's widths and the getter of
// the two name rows; the format rows, with or without a length bound on the
// secure-print user name; the rows of products that offer only secure and
// sample print.
TicketTable PrintTypeticketData(Job& job, size_t userNameSize, size_t documentNameSize, TicketGetter nameGetter);
TicketTable PrintTypeticketData(Job& job);
FmtTable PrintTypeFmtTable(Job& job, const int32_t* userNameBound);
FmtTable PrintTypeFmtPartTable(const FmtTable& full);
void PrintTypeInializeDescriptionTableFromFilter(Job& job);
void PrintTypeGetTicketFromPDE(Job& job);
void PrintTypeOutputEPJLCommandFromFilter(Job& job);

// Job authentication. What an edition's ticket tables hold: the widths of
// the user ID, password, account ID, storage ID and storage password
// fields (the input window's like the user's), which optional rows it
// reads, and the getter of the user-ID and storage-ID rows.
struct JBATicketSpec {
  size_t userID, password, account, storageID, storagePassword;
  bool infoLists;         // the accounting-information list and set
  bool userIDAbsentFlag;  // a row noting that the user-ID key is absent
  bool domains;           // the domain-name rows
  bool printDateTime;     // the print date and time
  TicketGetter nameGetter;
};
TicketTable JBAticketDataCommon(Job& job, const JBATicketSpec& spec);
TicketTable JBAticketDataAdmin(Job& job, const JBATicketSpec& spec);
TicketTable JBAticketDataCommon(Job& job);
TicketTable JBAticketDataAdmin(Job& job);
// Reads the common table, then the administrator table.
void JBAGetTicket(Job& job, const JBATicketSpec& spec);

// One side of the accounting settings, the user's (management type 2) or
// the administrator's (1): its mode, setting and input-window radios, ID
// source and fields. The input-window fields are shared by both sides.
struct JBASide {
  ComparationItem mode;
  ComparationItem setting;
  ComparationItem input;
  const int32_t& idSource;
  const std::string& userID;
  const std::string& password;
  const std::string& domain;
  const std::string& account;
  const std::string& storageID;
  const std::string& storagePassword;
};
JBASide JBAUserSide(Job& job);
JBASide JBAAdminSide(Job& job);
// The entered user ID and the password lines of a side (with the login
// name when loginKnown holds, else with the entered ID).
FmtTable JBACredentialRows(const JBASide& side, const ComparationItem& loginKnown);
// The input window's storage rows: its storage ID, the unknown user with an
// empty password (the device asks at the panel), and the storage password.
FmtTable JBAInputStorageRows(Job& job, const JBASide& side);
// The identity lines: CNAM, LUNA, HOAD and NLPP.
FmtTable JBAIdentityRows(Job& job);
void JBAInializeDescriptionTableFromFilter(Job& job);
void JBAGetTicketFromPDE(Job& job);
void JBAOutputEPJLCommandFromFilter(Job& job);

// Job information and the direct PJL writers (header steps).
TicketTable CommentticketDataCommon(Job& job);  // the rows every edition reads
TicketTable CommentticketData(Job& job);
// Clears the record, reads the rows and settles collation, sides,
// orientation, layout direction and copies.
void CommentReadTicket(Job& job, const TicketTable& rows);
void CommentGetTicketFromPDE(Job& job);
bool IsColorDeivce(const Job& job);
bool getDefaultColorMode(const Job& job);
void OutputEPJLCommandforBooklet(Job& job);
void OutputEPJLCommandforBannerSheet(Job& job);
void OutputEPJLCommandforMRVNAdjustRegi(Job& job);
void OutputEPJLCommandForTonerSaver(Job& job);
void OutputEPJLCommandOthers(Job& job);
void OutputEPJLCommandforCommentVersionLow(Job& job);
void OutputEPJLCommandforCommentVersionHigh(Job& job);
void OutputEPJLCommandforCommentBegin(Job& job);
void OutputEPJLCommandforCommentBasic(Job& job);
void OutputEPJLCommandforCommentAdvanced(Job& job);
void OutputEPJLCommandforCommentEnd(Job& job);
// Which job-information block the PPD asks for: none; the 1.3.0 block
// (a printer encoding other than UTF-8, or a listed model code); or the
// block that "CommentOn" asks for, which editions with the advanced lines
// write as 1.5.0.
enum class JobInfoVersion { None, Low, High };
JobInfoVersion JobInfoBlock(const Job& job);
bool JobInfoWanted(const Job& job);
// Version line, begin and basic lines, the advanced lines when high, end.
void OutputEPJLCommandforCommentBlock(Job& job, bool high);
// The job-information block of the TELD edition (version 1.3.0, basic lines).
void OutputEPJLCommandforComment(Job& job);
// Printer model codes whose PPD ("PCFileName") gets the block.
const std::vector<std::string_view>& modelsWithComment();

// Perfect binding.
TicketTable PBindticketData(Job& job);
void PBindGetTicketFromPDE(Job& job);
void OutputEPJLCommandforPerfectBind(Job& job);
// The device keyword of a PPD choice, empty when the table has none.
std::string convertPBindPPDValue(std::string_view choice);

// Features.
TicketTable FeaturesticketData(Job& job);
void FeaturesInializeDescriptionTableFromFilter(Job& job);
void FeaturesGetTicketFromPDE(Job& job);
void FeaturesOutputEPJLCommandFromFilter(Job& job);
void FeaturesOutputPSCommandFromFilter(Job& job, int event, int page, Stream& stream);
void FeaturesOutputSeparatorPages(Job& job, Stream& stream);
void FeaturesOutputAutoFit(Job& job, Stream& stream);

// Watermark.
TicketTable WatermarkticketData(Job& job);
void WatermarkGetTicketFromPDE(Job& job);
void WatermarkOutputPSCommandFromFilter(Job& job, int event, int page, Stream& stream);
void GetWatermarkPostion(const WatermarkState& wm, float& x, float& y);
// A "WARNING:" line when the ticket chose a watermark and no page got it.
void WatermarkReportJobEnd(Job& job);
// A PostScript string literal, "(...)" with balanced parentheses or
// "<hex>", and nothing that would break the job stream.
bool IsPostScriptStringLiteral(std::string_view text);
// A PostScript name without delimiters, white space or control bytes.
bool IsPostScriptFontName(std::string_view text);

// Special pages and the JTIF job ticket.
TicketTable SpecialPageTicketData(Job& job);
void SpecialPageInializeDescriptionTable(Job& job);
void SpecialPageGetTicketFromPDE(Job& job);
void InjectJTIFCommandSP(Job& job);
// Copies text up to the first comma into out; returns the characters
// consumed with the comma, or 0 when there is no comma (all text copied).
size_t getOneValue(std::string_view text, std::string& out);
// Text made safe for an XML element: & < > and " escaped, control bytes
// other than tab, CR and LF left out.
std::string XmlEscape(std::string_view text);

}  // namespace zqf
