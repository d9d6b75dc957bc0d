#pragma once
// The feature modules' option records and bound tables, one member per
// module. Filled once per job by the modules' ticket hooks; the format
// tables point into these records and into the job's identity strings, so
// they are bound once the Job stands where it will stay.
#include <array>
#include <cstdint>
#include <string>

#include "../core/engine.h"
#include "../core/ticket.h"

namespace zqf {

// Print type: secure, sample, delayed and mailbox print.
struct PrintTypeState {
  int32_t printType = 0;
  std::string userName;
  std::string passCode;
  int32_t documentNameType = 0;
  std::string documentName;
  std::string startTime;
  std::string mailboxNumber;
  std::string mailboxPassword;
  FmtTable fmt;
  FmtTable fmtPart;  // the rows of products without mailbox and delayed print
};

// Job-based authentication and accounting.
struct JBAState {
  std::string macHostName;
  std::string ipAddress;
  int32_t infoList = 0;
  int32_t infoSetList = 0;
  std::array<std::string, 8> paperRect;  // page-format rectangle, then paper-info rectangle
  int32_t manageType = 0;
  // User settings.
  int32_t userSetting = 0;
  int32_t userIDSource = 0;
  int32_t userIDAbsent = 0;
  std::string userID;
  std::string userPassword;
  std::string domainName;
  std::string inputDomainName;
  std::string accountID;
  std::string storageID;
  std::string storagePassword;
  // Input at print.
  int32_t userInput = 0;
  int32_t inputAuth = 0;
  int32_t inputStorage = 0;
  std::string inputStorageID;
  std::string inputStoragePassword;
  std::string inputUserID;
  std::string inputUserPassword;
  std::string inputAccountID;
  std::string printDate;
  std::string printTime;
  // Administrator settings.
  int32_t adminSetting = 0;
  int32_t adminIDSource = 0;
  std::string adminUserID;
  std::string adminPassword;
  std::string adminDomainName;
  std::string adminAccountID;
  std::string adminStorageID;
  std::string adminStoragePassword;
  int32_t adminInput = 0;
  FmtTable admin;
  FmtTable common;
};

// Values of the job-information block and the direct PJL writers.
struct CommentState {
  std::string sides;
  std::string colorMode;
  std::string collate;  // "collate", "nocollate" or empty
  std::string numberUp;
  std::string staple;
  std::string punch;
  std::string punchHoles;
  std::string signature;
  std::string signatureSubset;
  std::string lineWeight;
  std::string tonerSaver;
  std::string tonerReduction;
  std::string bannerSheet;
  std::string regiHorizontal;
  std::string regiVertical;
  int32_t bindingEdge = 0;
  int32_t copies = 0;
  int32_t orientation = 0;
  int32_t layoutDirection = 0;
  int32_t printType = 0;
};

// Perfect binding.
struct PBindState {
  std::string position;
  std::string rotation;
  std::string trimming;
  std::string cutPageSize;
  std::string cutPositionTop;
  std::string cutPositionFore;
  std::string cutAdjustFore;
  std::string cutAdjustTB;
  std::string rotationAdjustTop;
  std::string rotationAdjustBottom;
  std::string rotationAdjustFore;
  std::string coverAdjustX;
  std::string coverAdjustY;
  std::string coverPageSize;
  std::string coverMediaType;
  std::string coverMediaColor;
  std::string coverPaperTray;
  std::string pageSize;
  std::string cutPositionAdjustTB;
  int32_t imagePosition = 0;
  int32_t minimumCut = 0;
};

// Finishing: separator pages, booklet shift, auto-fit and the finishing PJL.
struct FeaturesState {
  int32_t tabMarginSwitch = 0;
  int32_t trimmerSwitch = 0;
  int32_t trimmerSelect = 0;
  int32_t bookletMarginSwitch = 0;
  std::string tabShift;
  std::string trimmerCuttingSize;
  std::string trimmerWidth;
  std::string trimmerHeight;
  std::string trimmerAdjust;
  int32_t numInSequenceSwitch = 0;
  std::string numInSequence;
  int32_t offsetStacking = 0;
  std::string offsetPages;
  std::string offsetCopies;
  int32_t separatorPageKind = 0;
  std::string separatorPages;
  int32_t autoFit = 0;
  std::string bookletMargin;
  int32_t ejectOption = 0;
  std::string media;
  int32_t specialPagesA5 = 0;
  std::string punchHoles;
  std::string featuresTabStock;
  std::string coilPunchFace;
  int32_t specialPagesTabStock = 0;
  FmtTable fmt;
};

// A text watermark drawn at the page hooks.
struct WatermarkState {
  std::string name;
  int32_t options = 0;
  int32_t onlyFirst = 0;
  std::string text;  // a PostScript string literal, byte for byte
  int32_t orientation = 0;
  int32_t paperHeight = 0;
  int32_t paperWidth = 0;
  std::string filePath;
  int32_t type = 0;
  std::string font;
  int32_t fontSize = 0;
  int32_t fontType = 0;
  float red = 0, green = 0, blue = 0, alpha = 0;
  int32_t angle = 0;
  int32_t density = 0;
  float scale = 0;
  float posHorizontal = 0, posVertical = 0;
  float width = 0, height = 0;
  float hOffset = 0, vOffset = 0;
  bool drawable = false;  // settled by the ticket hook
  int drawnPages = 0;     // pages the watermark was drawn on
  // Per-event flags (events 13, 24, 27, 28, 29): draw at the next such event.
  std::array<bool, 5> eventFlags{true, true, true, true, true};
  // The drawing commands after the page's opening, the same on every page:
  // made once, not formatted again for each page.
  std::string drawing;
};

// Counts of the special-page records behind the JTIF job ticket.
struct SpecialPageState {
  int32_t coverCount = 0;
  int32_t insertionCount = 0;
  int32_t exceptionCount = 0;
};

struct ModuleRecords {
  PrintTypeState printType;
  JBAState jba;
  CommentState comment;
  PBindState pbind;
  FeaturesState features;
  WatermarkState watermark;
  SpecialPageState specialPage;
};

}  // namespace zqf
