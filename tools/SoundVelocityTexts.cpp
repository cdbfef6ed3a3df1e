#include "tools/SoundVelocityTexts.h"

#include "platform/NumberFormat.h"

namespace {

bool English(TMessageLanguage language) { return language == TMessageLanguage::English; }

std::string Either(TMessageLanguage language, const char* english, const char* turkish) {
    return English(language) ? english : turkish;
}

}  // namespace

std::string SpeedOutOfRangeMessage(double speed, std::size_t line, TMessageLanguage language) {
    const std::string value = FloatToStr(speed);
    const std::string number = IntToStr(static_cast<long long>(line));
    if (English(language)) {
        return "Value exceeds SV range! Please correct " + value + " value at line " + number +
               " in source file. This line will be skipped.";
    }
    return "Bu değer belkenen ses hızı aralığında değl! Ses hızı " + value +
           "'nin bulunduğu satır " + number + " kullanılmayacaktır.";
}

std::string PatternRefusedMessage(std::string_view pattern, TMessageLanguage language) {
    const std::string quoted = "'" + std::string(pattern) + "'";
    if (English(language)) {
        return "The format identifier " + quoted +
               " cannot be used: it must read two numbers with %lf and may skip text with %*s, "
               "%*[...] or %*lf. Nothing was extracted.";
    }
    return "Biçim tanımlayıcısı " + quoted +
           " kullanılamaz: iki sayıyı %lf ile okumalı, metni %*s, %*[...] veya %*lf ile "
           "atlayabilir. Hiçbir değer alınmadı.";
}

std::string SurfaceVelocityMissingMessage(TMessageLanguage language) {
    return Either(language,
                  "SV value at 0 depth cannot be blank. Consider manually adding a value for 0 "
                  "depth.\nexample 0,1500.",
                  "Ses hızı profilinin başlangıcı olan 0 derinlik ve buna ait ses hızı boş "
                  "olamaz. Bu değeri kendiniz doldurup yeniden deneyiniz.\nÖrnek: 0,1500.00");
}

std::string ColumnOutOfRangeMessage(long long depth, TMessageLanguage language) {
    const std::string number = IntToStr(depth);
    if (English(language)) {
        return "SV value at " + number + " is out of range. Please check, correct retry.";
    }
    return "Sıra " + number +
           " ses hızı değeri hatalı. Lütfen kontrol edin, düzeltin ve tekrar deneyin";
}

std::string EmptyColumnMessage(TMessageLanguage language) {
    return Either(language, "SVP Column is empty. Please load or create an SVP profile first.",
                  "SVP Sütunu boş. Lütfen önce bir SVP profili yükleyin veya oluşturun.");
}

std::string ProfileUsedCaption(TMessageLanguage language) {
    return Either(language, "SVP Profile Used", "Ses Hızı Profili Devrede");
}

std::string SingleVelocityCaption(TMessageLanguage language) {
    return Either(language, "Single SV Used", "Tek Ses Hızı Değeri");
}
