#include "shell/LanguageEvents.h"

LanguageEvents& AppLanguageEvents() {
  static LanguageEvents events;
  return events;
}
