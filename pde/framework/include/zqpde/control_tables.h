#pragma once
// The static description tables every extension defines per control and the
// framework reads: how a control reaches the ticket and the preferences
// (AccessInfo), which other controls it disables, hides or updates for each
// of its values (ConstrainInfo), and its default and initial values (the
// IniData records). The framework keeps pointers to these tables and never
// writes into them, so one table may serve several controls.
//
//   static const int32_t kCopiesTag = 12;
//   static const int32_t* const kWhenOn[] = {&kCopiesTag, nullptr};
//   static const zqpde::ConstrainTagList kDisable[] = {nullptr, kWhenOn};
//   static const zqpde::ConstrainInfo MyBoxConstrainInfo = {zqpde::ConstrainListsOf(kDisable), {}, {}};
//   static const zqpde::AccessInfo MyBoxAccessInfo = {zqpde::kValueTypeNumber, zqpde::kValueTypeNumber,
//       "com.tavelle.qdm.printsettings.MyBoxTicket", "com.tavelle.qdm.printsettings.MyBoxReference"};
//   static const zqpde::CheckBoxIniData MyBoxIniData = {0, 0, 0, "My Box Title"};
#include <cstddef>
#include <cstdint>

#include "zqpde/input_filter.h"
#include "zqpde/os_version.h"

namespace zqpde {

// ---- AccessInfo ---------------------------------------------------------------

// Kinds of value (AccessInfo::valueType).
inline constexpr uint32_t kValueTypeNumber = 0;                        // pop-up, radio, check box, stepper, slider
inline constexpr uint32_t kValueTypeText = FourCharCode("cfst");       // text
inline constexpr uint32_t kValueTypePassword = FourCharCode("pwcf");   // password text
inline constexpr uint32_t kValueTypeDate = FourCharCode("date");       // date and time

struct AccessInfo {
    uint32_t valueType;
    uint32_t valueType2;        // equal to valueType; not read
    const char* ticketKey;      // full ticket key; nullptr: nothing goes to the ticket
    const char* preferenceKey;  // preference key ("...Reference"); nullptr: not remembered
};

// ---- ConstrainInfo ------------------------------------------------------------

// A list of the controls a value acts on: pointers to control tags, ended
// by nullptr.
using ConstrainTagList = const int32_t* const*;

// The lists of one kind (disable, hide or update), indexed by the control's
// value number. The count makes an index past the end read as "no list".
struct ConstrainLists {
    const ConstrainTagList* lists = nullptr;
    int32_t count = 0;

    // The list for a value number; nullptr for none or an index outside the table.
    ConstrainTagList at(int32_t index) const {
        return lists != nullptr && index >= 0 && index < count ? lists[index] : nullptr;
    }
    explicit operator bool() const { return lists != nullptr && count > 0; }
};

// The lists of a static array, with its length.
template <size_t N>
constexpr ConstrainLists ConstrainListsOf(const ConstrainTagList (&lists)[N]) {
    return {lists, static_cast<int32_t>(N)};
}

struct ConstrainInfo {
    ConstrainLists disableLists;  // controls disabled while the control has the value
    ConstrainLists hideLists;     // controls hidden while the control has the value
    ConstrainLists updateLists;   // controls sent Update after the value changed
    const void* reserved = nullptr;
};

// ---- initial data -------------------------------------------------------------
// `data` is not read by the framework; defaultData is what restoring the
// defaults and a failed preference read give; iniData is put into the UI
// value before anything is read.

// Pop-ups: item numbers (1-based), then the nullptr-ended list of item title
// keys (nullptr for pop-ups filled from the PPD).
struct ListCtrlIniData {
    int32_t data, defaultData, iniData;
    const char* const* titleKeys;
};

struct RadioButtonIniData {
    int32_t data, defaultData, iniData;
    const char* titleKey;         // may be nullptr
    const char* summaryValueKey;  // may be nullptr
};

struct CheckBoxIniData {
    int32_t data, defaultData, iniData;
    const char* titleKey;
};

// Text fields: the default text (at most 255 bytes are used) and the allowed
// width range, in GetStringLength units.
struct TextEditIniData {
    const char* dataBuf;  // not read
    const char* defaultData;
    uint32_t minLength, maxLength;
};

// Steppers. The increment is not applied: the stepper keeps its view's.
struct LittleArrayIniData {
    int32_t data, defaultData, iniData, minimum, maximum, increment;
};

struct SliderBarIniData {
    int32_t data, defaultData, iniData, minimum, maximum;
};

// InputFilterData and TextEditFilterData: see input_filter.h.

}  // namespace zqpde
