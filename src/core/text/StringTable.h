// The program's texts by string ID. The built-in table is res/strings.txt, compiled
// in: the classic English texts. A translator (the chosen language, context "Strings")
// translates them; a resource bundle may replace entries at start-up (loadOverrides),
// and a replaced entry is shown as the bundle has it, in every language.
#pragma once

#include <string>
#include <string_view>

namespace kestrova {

namespace str {
inline constexpr int Start = 130, Done = 131, NewMemoryErr = 132, WriteComFailed = 133;
inline constexpr int NotConnected = 134, ReadTimeout = 135, ReadComFailed = 137, ReadOutOfBuffer = 138;
inline constexpr int ConnectSucceedTotal = 139, Frames = 140, SynchronizationError = 141;
inline constexpr int SelectPatientIdCapture = 142, NoData = 144, CreateEventFailed = 145;
inline constexpr int Total = 146, Groups = 147, CreateExcelFailed = 154, CantOpenFile = 156;
inline constexpr int ConfirmDeletePatient = 157, PatientIdInvalidDialog = 158, SelectPatientId = 164;
inline constexpr int TitleTooLong = 165, CantOpenPatientDb = 166, AlreadyRunning = 167;
inline constexpr int ConnectSucceedBluetooth = 168, PatientIdInvalid = 169, CantCreateFile = 170;
inline constexpr int Female = 185, Male = 186;
inline constexpr int DesatCriteria = 206, DesatCriteriaTail = 207, PulseCriteria = 208, PulseCriteriaTail = 209;
inline constexpr int NoDevice = 211, InputNumber = 214, InputLegalValue = 215;
inline constexpr int SetClockSucceed = 216, SetClockError = 217, DeviceDataCleared = 220, DeleteDataError = 221;
inline constexpr int RollStepRange = 59144, Spo2HighNotAboveLow = 59147, PrHighNotAboveLow = 59148;
inline constexpr int PrintJobFailed = 61702;
// Patient form limits.
inline constexpr int FieldMax80 = 159, FieldMax40 = 160, FieldMax30 = 161, WeightRangeKg = 162, AgeRange = 163;
inline constexpr int HeightRangeCm = 210, HeightRangeIn = 218, WeightRangeLb = 219;
// Page labels.
inline constexpr int PulseScale = 143, RecordDate = 150, RecordTime = 151, Spo2Scale = 152, ItemColumn = 153;
inline constexpr int DateColumn = 174, TimeColumn = 175, PatientData = 176, NameLabel = 177, GenderLabel = 178;
inline constexpr int AgeLabel = 179, HeightLabel = 180, WeightLabel = 181, PhysicianLabel = 182;
inline constexpr int Note1Label = 183, Note2Label = 184, StartDate = 187, StartTime = 188, EndDate = 189;
inline constexpr int EndTime = 190, CommentsLabel = 191, GraphicSummary = 212, EventStrip = 213;
// Analysis sheet rows.
inline constexpr int EventData = 192, TotalEvents = 193, TimeInEvents = 194, AverageEventDuration = 195;
inline constexpr int EventIndex = 196, AverageEventMax = 197, AverageEventMin = 198, MaxEventOffset = 199;
inline constexpr int MaxTimeEvent = 200, MaxDuration = 201, MinDuration = 202, AverageDuration = 203;
inline constexpr int Diagnose = 204, Times = 205;
} // namespace str

class StringTable {
public:
    // The text of `id` in the chosen language; an unknown ID gives an empty string.
    static std::string text(int id);
    // The classic text (or the bundle's), whatever the language.
    static std::string classic(int id);
    using Translator = std::string (*)(const char* context, const char* source);
    static void setTranslator(Translator translator);
    // Lines of "ID<tab>text" replace or add entries; '#' lines are comments.
    static void loadOverrides(std::string_view table);
    // Back to the built-in table.
    static void reset();
};

inline std::string tr(int id) {
    return StringTable::text(id);
}

} // namespace kestrova
