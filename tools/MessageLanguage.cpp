#include "tools/MessageLanguage.h"

#include "app/Translator.h"

TMessageLanguage CurrentMessageLanguage() {
    return MessageLanguageOf(Translator ? Translator->currentLanguage() : "en");
}
