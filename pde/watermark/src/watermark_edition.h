#pragma once
// What differs between the builds of the Watermark extension, as data: one
// profile per edition, chosen by the bundle (or a test) at run time.
namespace zqwm {

struct WatermarkEdition {
  const char* name;             // "TELD" or "ARK"
  const char* ticketNamespace;  // prefix of every ticket and preference key
  const char* bundleId;
  const char* panelKind;
  // The TELD devices take the text in Shift-JIS; the ARK devices get the
  // UTF-8 bytes as they are.
  bool convertTextToShiftJIS;
  // Localisation keys of the edit window's default name and text.
  const char* defaultNameKey;
  const char* defaultTextKey;
};

const WatermarkEdition& TeldWatermarkEdition();
const WatermarkEdition& ArkWatermarkEdition();

}  // namespace zqwm
