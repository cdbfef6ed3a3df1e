#include "tools/OffsetsCheck.h"

#include "platform/NumberFormat.h"
#include "platform/ScanPattern.h"

#include <cmath>

namespace {

constexpr double kClosingToleranceM = 0.025;
constexpr double kMinSoundVelocity = 1300;  // m/s; the limits themselves pass
constexpr double kMaxSoundVelocity = 1700;

struct TTexts {
    const char* english;
    const char* turkish;
};

// The field's message: unreadable for the five numbers, empty for the three names.
const TTexts kFieldMessages[kOffsetsFieldCount] = {
    {"Failed! Recheck offset A", "Başarısız! A değerini yeniden kontrol ediniz."},
    {"Failed! Recheck offset B", "Başarısız! B değerini yeniden kontrol ediniz."},
    {"Failed! Recheck offset C", "Başarısız! C değerini yeniden kontrol ediniz."},
    {"Failed! Recheck SV value", "Başarısız! SV/SH değerini yeniden kontrol ediniz."},
    {"Failed! Recheck tide height", "Başarısız! Su kotunu kontrol ediniz."},
    {"Failed! Location cannot be missing", "Başarısız! Yer adı boş olamaz"},
    {"Failed! Name/type of survey boat cannot be missing",
     "Başarısız! Ölçme aracının adı boş olamaz"},
    {"Failed! Name of surveyor cannot be missing", "Başarısız! Öçen kişinin adı boş olamaz"},
};
const TTexts kOffsetsDoNotClose = {
    "Measurements contains error: A + C must be close enough to B.",
    "Ölçümlerde hata var: A + C toplamı B değerine yakın olması gerekir"};
const TTexts kSoundVelocityRange = {"Error in Sound Velocity (SV) value",
                                    "SV/SE değerinde hata var"};
const TTexts kTimeFormat = {
    "Time format does not fit requirements. The date and time fromat must be YYYY-DD-MM "
    "HHmmssfff",
    "Tarih ve saat formatı gereksinimleri karşılamıyor. Bilgisayar tarih ve zaman formatının "
    "YYYY-DD-MM HHmmssfff olduguna emin olunuz."};
const TTexts kFileNotWritten = {"Could not write ", "Yazılamadı: "};

const TOffsetsField kNumbers[] = {TOffsetsField::OffsetA, TOffsetsField::OffsetB,
                                  TOffsetsField::OffsetC, TOffsetsField::SV, TOffsetsField::TideHt};
const TOffsetsField kNames[] = {TOffsetsField::Location, TOffsetsField::SurveyBoat,
                                TOffsetsField::Surveyor};

// Step one reads as the C scanner reads "%lf": a number at the front of the text is enough.
bool BeginsWithNumber(const std::string& text) {
    double value = 0;
    return ScanText(text, "%lf", {&value}) == 1;
}

std::string Text(const TTexts& texts, TMessageLanguage language) {
    return language == TMessageLanguage::English ? texts.english : texts.turkish;
}

TOffsetsCheck Failure(TOffsetsField field, std::string message) {
    return {false, field, std::move(message)};
}

TOffsetsCheck FieldFailure(TOffsetsField field, TMessageLanguage language) {
    return Failure(field, Text(kFieldMessages[static_cast<std::size_t>(field)], language));
}

}  // namespace

TOffsetsCheck CheckOffsetsEntries(const TOffsetsEntries& entries, TMessageLanguage language) {
    for (TOffsetsField field : kNumbers) {
        if (!BeginsWithNumber(entries[field])) return FieldFailure(field, language);
    }
    for (TOffsetsField field : kNames) {
        if (entries[field].empty()) return FieldFailure(field, language);
    }
    // The tide converts whole too: the main window reads every number edit whole, and a tide it
    // cannot read would leave the elevations without it.
    double values[std::size(kNumbers)];
    for (TOffsetsField field : kNumbers) {
        const std::string& text = entries[field];
        if (!TryStrToFloat(text, values[static_cast<std::size_t>(field)])) {
            return Failure(field, FloatConversionMessage(text));
        }
    }
    const auto [a, b, c, sv, tide] = values;
    if (!(std::fabs(c + a - b) <= kClosingToleranceM)) {
        return Failure(TOffsetsField::OffsetA, Text(kOffsetsDoNotClose, language));
    }
    if (!(sv >= kMinSoundVelocity && sv <= kMaxSoundVelocity)) {
        return Failure(TOffsetsField::SV, Text(kSoundVelocityRange, language));
    }
    return {};
}

std::string TimeFormatMessage(TMessageLanguage language) { return Text(kTimeFormat, language); }

std::string FileNotWrittenMessage(const std::string& path, TMessageLanguage language) {
    return Text(kFileNotWritten, language) + path;
}
